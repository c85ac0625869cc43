#pragma once

#include <QRgb>

namespace kelvad {

class Form1;

// The three guns. The tick mark on the gun menu is the only record of the current gun.
inline constexpr int kNormalGunBullets = 8;
inline constexpr int kSubmachineGunBullets = 15;
inline constexpr int kJackGunBullets = 100;
// What a reload leaves in the third gun when it became current while another gun's reload was pending.
inline constexpr int kJackGunRefill = 30;
inline constexpr QRgb kSubmachineGunBarColor = qRgb(255, 128, 0);
inline constexpr QRgb kJackGunBarColor = qRgb(255, 255, 0);

// Ticks gun 1, 2 or 3 and shows its display; nothing else changes.
void SelectGun(Form1& form, int gun);
// At the start of a game: the gun's sound and a full magazine with its display.
void LoadMagazine(Form1& form);
// The last step of a fired shot: one bullet less, and the display follows.
void SpendBullet(Form1& form);
// When a reload completes: a full magazine of the gun ticked now.
void RefillMagazine(Form1& form);

}  // namespace kelvad
