// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Civilian.h"

#include "platform/RandomSource.h"
#include "platform/Timer.h"

namespace kelvad {

namespace {

constexpr int kComesEveryMs = 10000;
constexpr int kStaysMs = 1500;

}  // namespace

Civilian::Civilian(platform::Scheduler& scheduler, platform::RandomSource& random)
    : m_random(random),
      m_arrivalTimer(scheduler.createTimer(false, kComesEveryMs)),
      m_departureTimer(scheduler.createTimer(false, kStaysMs)) {
    m_arrivalTimer->setTickHandler([this] { arrive(); });
    m_departureTimer->setTickHandler([this] { leave(); });
}

Civilian::~Civilian() = default;

void Civilian::startComing() {
    m_arrivalTimer->setEnabled(true);
}

void Civilian::stopComing() {
    m_arrivalTimer->setEnabled(false);
    m_departureTimer->setEnabled(false);
}

void Civilian::hide() {
    setShown(false);
}

void Civilian::arrive() {
    setShown(true);
    setEnabled(true);
    m_random.reseedFromClock();
    m_piece.place = randomPlace(m_random);
    emit moved(m_piece.place.toPointF());
    m_departureTimer->setEnabled(true);
}

void Civilian::leave() {
    setEnabled(false);
    setShown(false);
    m_departureTimer->setEnabled(false);
}

void Civilian::setShown(bool shown) {
    m_piece.shown = shown;
    emit shownChanged(shown);
}

void Civilian::setEnabled(bool enabled) {
    m_piece.enabled = enabled;
    emit enabledChanged(enabled);
}

}  // namespace kelvad
