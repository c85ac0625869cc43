// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/BonusPlates.h"

#include "platform/RandomSource.h"
#include "platform/Timer.h"

#include <cmath>

namespace kelvad {

namespace {

constexpr int kStaysMs = 3000;

std::size_t slotOf(int index) {
    return index >= 0 && index < kPlates ? static_cast<std::size_t>(index) : 0;
}

}  // namespace

BonusPlates::BonusPlates(platform::Scheduler& scheduler, platform::RandomSource& random)
    : m_random(random), m_expiryTimer(scheduler.createTimer(false, kStaysMs)) {
    m_expiryTimer->setTickHandler([this] { expire(); });
}

BonusPlates::~BonusPlates() = default;

const FieldPiece& BonusPlates::plate(int index) const {
    return m_plates[slotOf(index)];
}

void BonusPlates::bringUpIfCharged() {
    if (m_charge < kThreshold) {
        return;
    }
    m_charge = 0;
    m_expiryTimer->setEnabled(true);
    m_random.reseedFromClock();
    const int index = static_cast<int>(slotOf(static_cast<int>(std::floor(m_random.next() * kPlates))));
    FieldPiece& shown = m_plates[slotOf(index)];
    shown.place = randomPlace(m_random);
    emit moved(index, shown.place.toPointF());
    setEnabled(index, true);
    setShown(index, true);
}

void BonusPlates::take(int index) {
    setShown(index, false);
    setEnabled(index, false);
}

void BonusPlates::clearField() {
    for (int index = 0; index < kPlates; ++index) {
        setShown(index, false);
        setEnabled(index, false);
    }
}

void BonusPlates::expire() {
    for (int index = 0; index < kPlates; ++index) {
        setShown(index, false);
    }
    for (int index = 0; index < kPlates; ++index) {
        setEnabled(index, false);
    }
    m_expiryTimer->setEnabled(false);
}

void BonusPlates::setShown(int index, bool shown) {
    m_plates[slotOf(index)].shown = shown;
    emit shownChanged(static_cast<int>(slotOf(index)), shown);
}

void BonusPlates::setEnabled(int index, bool enabled) {
    m_plates[slotOf(index)].enabled = enabled;
    emit enabledChanged(static_cast<int>(slotOf(index)), enabled);
}

}  // namespace kelvad
