// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/GameSpeed.h"

namespace kelvad {

void GameSpeed::open() {
    // Only the start score follows the saved position here; the men's rhythms wait for a move or a start.
    if (const std::optional<SpeedRow> row = speedRow(m_savedPosition)) {
        m_startScore = row->startScore;
    }
    m_sliderPosition = m_savedPosition;
    emit sliderPositionChanged(m_sliderPosition);
    emit startScoreShown(m_startScore);
}

void GameSpeed::follow() {
    apply(m_sliderPosition);
    emit startScoreShown(m_startScore);
}

void GameSpeed::apply(int position) {
    if (const std::optional<SpeedRow> row = speedRow(position)) {
        m_startScore = row->startScore;
        m_manIntervals = row->manIntervals;
    }
}

}  // namespace kelvad
