// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Men.h"

#include "platform/RandomSource.h"
#include "platform/Timer.h"

namespace kelvad {

namespace {

std::size_t slotOf(int index) {
    return index >= 0 && index < kMen ? static_cast<std::size_t>(index) : 0;
}

}  // namespace

Men::Men(platform::Scheduler& scheduler, platform::RandomSource& random) : m_random(random) {
    // On with no interval: a man jumps only once a game gives him his rhythm.
    for (std::size_t index = 0; index < m_jumpTimers.size(); ++index) {
        m_jumpTimers[index] = scheduler.createTimer(true, 0);
        m_jumpTimers[index]->setTickHandler([this, index] { jump(static_cast<int>(index)); });
    }
}

Men::~Men() = default;

const FieldPiece& Men::man(int index) const {
    return m_men[slotOf(index)];
}

void Men::setShown(int index, bool shown) {
    m_men[slotOf(index)].shown = shown;
    emit shownChanged(static_cast<int>(slotOf(index)), shown);
}

void Men::setEnabled(int index, bool enabled) {
    m_men[slotOf(index)].enabled = enabled;
    emit enabledChanged(static_cast<int>(slotOf(index)), enabled);
}

void Men::setJumpIntervals(const std::array<std::int32_t, kMen>& intervalsMs) {
    for (std::size_t index = 0; index < m_jumpTimers.size(); ++index) {
        m_jumpTimers[index]->setInterval(intervalsMs[index]);
    }
}

void Men::jump(int index) {
    setShown(index, true);
    setEnabled(index, true);
    m_random.reseedFromClock();
    FieldPiece& man = m_men[slotOf(index)];
    man.place = randomPlace(m_random);
    emit moved(index, man.place.toPointF());
}

}  // namespace kelvad
