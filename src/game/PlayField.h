// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

class QWidget;

namespace kelvad {

namespace platform {
class RandomSource;
}

class MainWindow;
struct FieldPoint;
struct GameState;
class ImageBox;
class PictureBox;

// The men and the bonus plates by index, the same index everywhere: man 0 is the black man, 1 the blue, 2 the
// yellow; plate 0 is worth 50 points, 1 100, 2 150. The index also picks a man's rules in kMen and a plate's
// points in kPlatePoints. An index outside 0..2 picks the first.
inline constexpr int kMenOnField = 3;
inline constexpr int kPlates = 3;
std::size_t pieceIndex(int index);

ImageBox* manImage(MainWindow& window, int man);
PictureBox* plateBox(MainWindow& window, int plate);
// Where a man, a plate or the civilian was last placed.
FieldPoint& manPlace(GameState& state, int man);
FieldPoint& platePlace(GameState& state, int plate);
FieldPoint& civilianPlace(GameState& state);

// A random place on the play field, drawn left first: left below 3240 twips and top below 2880, so that a
// man stays inside the field. It is kept in place and the widget moves there.
void placeAtRandom(platform::RandomSource& random, QWidget& widget, FieldPoint& place);

inline constexpr double kFieldLeftRange = 3240;
inline constexpr double kFieldTopRange = 2880;

}  // namespace kelvad
