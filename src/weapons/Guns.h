// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "weapons/GaugeLevel.h"

#include <QObject>
#include <QStringView>

#include <array>
#include <cstdint>

namespace kelvad {

// One of the three guns, numbered 1 to 3 in the order of the gun menu.
struct Gun {
    // Bullets at the start of a game.
    int magazine;
    // Bullets after a completed reload.
    int refill;
    // How long a reload takes; 0 for a gun that cannot be reloaded.
    int reloadMs;
    // The shot's sound, appended to the program directory.
    QStringView soundFile;
    // The first gun shows one image per bullet; the others a count and a gauge of this colour (0xRRGGBB).
    bool hasGauge;
    std::uint32_t barColor;
};

// The guns: which one is chosen, the bullets left in its magazine, and what each gun's ammunition display
// shows. The displays keep what they showed for the rest of the run: a gun chosen again shows its last game
// until the next start.
class Guns final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(Guns)

public:
    static constexpr int kGuns = 3;
    static constexpr int kBulletImages = 8;

    Guns() = default;

    // The chosen gun, 1 to 3; the first until the player chooses.
    int chosen() const { return m_chosen; }
    const Gun& current() const;
    int ammoLeft() const { return m_ammoLeft; }
    // What the second and the third gun's gauges show (gun 2 or 3).
    const GaugeLevel& gauge(int gun) const;

    // At start-up: the first gun is ticked.
    void tickFirst();
    // Ticks gun 1, 2 or 3 and shows its display; nothing else changes. Any other number changes nothing.
    void choose(int gun);
    // At the start of a game: a full magazine of the chosen gun, with its display.
    void loadMagazine();
    // The last step of a fired shot: one bullet less, and the display follows.
    void spendBullet();
    // When a reload completes: the magazine of the gun chosen now is refilled.
    void refillMagazine();

signals:
    // The gun menu's tick, and the display shown.
    void ticked(int gun);
    void displayShown(int gun);
    // The first gun's bullet images, by index: those left are 0 .. ammo left - 1.
    void bulletShown(int index, bool shown);
    // The count beside the second or third gun's gauge, and the gauge.
    void countChanged(int gun, int count);
    void gaugeChanged(int gun, const kelvad::GaugeLevel& level);

private:
    void showAllBullets();
    GaugeLevel& gaugeOf(int gun);

    int m_chosen = 1;
    int m_ammoLeft = 0;
    std::array<GaugeLevel, 2> m_gauges{};
};

}  // namespace kelvad
