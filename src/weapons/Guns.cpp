// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "weapons/Guns.h"

#include "state/GameState.h"
#include "ui/Gauge.h"
#include "ui/ImageBox.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QFrame>
#include <QLabel>

#include <array>

namespace kelvad {

namespace {

constexpr std::array<Gun, 3> kGuns{{
    {.magazine = 8,
     .refill = 8,
     .reloadMs = 700,
     .soundFile = u"\\Gun1.Wav",
     .countLabel = nullptr,
     .gauge = nullptr,
     .barColor = 0},
    {.magazine = 15,
     .refill = 15,
     .reloadMs = 1500,
     .soundFile = u"\\Gun2.Wav",
     .countLabel = &MainWindow::subMachineGunCount,
     .gauge = &MainWindow::ammoGauge2,
     .barColor = qRgb(255, 128, 0)},
    // It cannot be reloaded; the refill is what a reload pending from another gun leaves in it.
    {.magazine = 100,
     .refill = 30,
     .reloadMs = 0,
     .soundFile = u"\\Gun3.Wav",
     .countLabel = &MainWindow::jackGunCount,
     .gauge = &MainWindow::ammoGauge3,
     .barColor = qRgb(255, 255, 0)},
}};

void showAllBullets(MainWindow& window) {
    for (ImageBox* bullet : window.bullets) {
        bullet->show();
    }
}

void showCount(MainWindow& window, GameState& state, const Gun& gun) {
    (window.*gun.countLabel)->setText(QString::number(state.ammoLeft));
}

}  // namespace

const Gun& currentGun(const MainWindow& window) {
    for (std::size_t index = 0; index + 1 < kGuns.size(); ++index) {
        if (window.gunActions[index]->isChecked()) {
            return kGuns[index];
        }
    }
    return kGuns.back();
}

void SelectGun(MainWindow& window, int gun) {
    if (gun < 1 || gun > static_cast<int>(kGuns.size())) {
        return;
    }
    const auto chosen = static_cast<std::size_t>(gun - 1);
    for (std::size_t index = 0; index < kGuns.size(); ++index) {
        window.gunActions[index]->setChecked(index == chosen);
    }
    for (std::size_t index = 0; index < kGuns.size(); ++index) {
        window.ammoDisplays[index]->setVisible(index == chosen);
    }
}

void LoadMagazine(MainWindow& window, GameState& state) {
    const Gun& gun = currentGun(window);
    state.gunSoundFile = gun.soundFile.toString();
    state.ammoLeft = gun.magazine;
    if (!gun.gauge) {
        showAllBullets(window);
        return;
    }
    Gauge& gauge = *(window.*gun.gauge);
    gauge.setBarColor(gun.barColor);
    gauge.setMax(gun.magazine);
    gauge.setValue(gauge.Max());
    showCount(window, state, gun);
}

void SpendBullet(MainWindow& window, GameState& state) {
    const Gun& gun = currentGun(window);
    state.ammoLeft -= 1;
    if (!gun.gauge) {
        // The bullets vanish right to left: those left are bullets[0] .. bullets[ammoLeft - 1].
        if (state.ammoLeft >= 0 && state.ammoLeft < static_cast<int>(window.bullets.size())) {
            window.bullets[static_cast<std::size_t>(state.ammoLeft)]->hide();
        }
        return;
    }
    showCount(window, state, gun);
    Gauge& gauge = *(window.*gun.gauge);
    gauge.setValue(gauge.Value() - 1);
}

void RefillMagazine(MainWindow& window, GameState& state) {
    const Gun& gun = currentGun(window);
    state.ammoLeft = gun.refill;
    if (!gun.gauge) {
        showAllBullets(window);
        return;
    }
    showCount(window, state, gun);
    Gauge& gauge = *(window.*gun.gauge);
    gauge.setValue(gauge.Max());
}

}  // namespace kelvad
