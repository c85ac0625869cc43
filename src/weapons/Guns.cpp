// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "weapons/Guns.h"

namespace kelvad {

namespace {

constexpr std::array<Gun, Guns::kGuns> kGunTable{{
    {.magazine = 8,
     .refill = 8,
     .reloadMs = 700,
     .soundFile = u"\\Gun1.Wav",
     .hasGauge = false,
     .barColor = 0},
    {.magazine = 15,
     .refill = 15,
     .reloadMs = 1500,
     .soundFile = u"\\Gun2.Wav",
     .hasGauge = true,
     .barColor = 0xFF8000},
    // It cannot be reloaded; the refill is what a reload pending from another gun leaves in it.
    {.magazine = 100,
     .refill = 30,
     .reloadMs = 0,
     .soundFile = u"\\Gun3.Wav",
     .hasGauge = true,
     .barColor = 0xFFFF00},
}};

}  // namespace

const Gun& Guns::current() const {
    return kGunTable[static_cast<std::size_t>(m_chosen - 1)];
}

const GaugeLevel& Guns::gauge(int gun) const {
    return m_gauges[gun == 3 ? 1 : 0];
}

GaugeLevel& Guns::gaugeOf(int gun) {
    return m_gauges[gun == 3 ? 1 : 0];
}

void Guns::tickFirst() {
    m_chosen = 1;
    emit ticked(m_chosen);
}

void Guns::choose(int gun) {
    if (gun < 1 || gun > kGuns) {
        return;
    }
    m_chosen = gun;
    emit ticked(gun);
    emit displayShown(gun);
}

void Guns::showAllBullets() {
    for (int bullet = 0; bullet < kBulletImages; ++bullet) {
        emit bulletShown(bullet, true);
    }
}

void Guns::loadMagazine() {
    const Gun& gun = current();
    m_ammoLeft = gun.magazine;
    if (!gun.hasGauge) {
        showAllBullets();
        return;
    }
    GaugeLevel& level = gaugeOf(m_chosen);
    level.barColor = gun.barColor;
    level.setMax(gun.magazine);
    level.setValue(level.max);
    emit gaugeChanged(m_chosen, level);
    emit countChanged(m_chosen, m_ammoLeft);
}

void Guns::spendBullet() {
    m_ammoLeft -= 1;
    if (!current().hasGauge) {
        // The bullets vanish right to left.
        if (m_ammoLeft >= 0 && m_ammoLeft < kBulletImages) {
            emit bulletShown(m_ammoLeft, false);
        }
        return;
    }
    emit countChanged(m_chosen, m_ammoLeft);
    GaugeLevel& level = gaugeOf(m_chosen);
    level.setValue(level.value - 1);
    emit gaugeChanged(m_chosen, level);
}

void Guns::refillMagazine() {
    m_ammoLeft = current().refill;
    if (!current().hasGauge) {
        showAllBullets();
        return;
    }
    emit countChanged(m_chosen, m_ammoLeft);
    GaugeLevel& level = gaugeOf(m_chosen);
    level.setValue(level.max);
    emit gaugeChanged(m_chosen, level);
}

}  // namespace kelvad
