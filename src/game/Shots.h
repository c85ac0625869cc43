// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad {

class MainWindow;
struct GameState;

// Every left (or middle) press on the play field or on a man is a shot: it costs a bullet, sounds the gun and
// leaves a short mark around the pointer.

// Fires one shot; false when the gun was empty and the shot was refused.
bool FireShot(MainWindow& window, GameState& state);
// A press that would fire with an empty gun: a beep and "弾がありません！" until the message bar clears.
// True when the gun is empty, so that the press does nothing else.
bool RefuseEmptyGun(MainWindow& window, GameState& state);
// Recomputes and shows the hit rate; called only once a shot has been counted.
void UpdateHitRate(MainWindow& window, GameState& state);
// The four frames of the shot mark around the pointer; the pressed man takes no press meanwhile.
void ShotMark(MainWindow& window, GameState& state);
// The message bar's timer: empties the bar and stops.
void ClearMessage(MainWindow& window);

// Mouse-down on the play field, and on a man. The right button alone reloads; any other button code fires.
void FieldMouseDown(MainWindow& window, GameState& state, int button);
void ManMouseDown(MainWindow& window, GameState& state, int man, int button);

// Pointer tracking: the last pointer position over the field, in the field's twips.
void TrackPointer(GameState& state, float x, float y);
// A move over the civilian, at (x, y) twips inside him.
void TrackCivilianPointer(GameState& state, float x, float y);

inline constexpr int kRightButton = 2;
inline constexpr int kShotMarkFrameMs = 15;
// The mark's frames are 600 twips square, drawn 280 twips up and left of the pointer.
inline constexpr float kShotMarkOffset = 280;

}  // namespace kelvad
