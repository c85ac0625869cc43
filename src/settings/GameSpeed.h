// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/SpeedTable.h"

#include <QObject>

#include <array>
#include <cstdint>

namespace kelvad {

// The game speed: the position the speed window's slider stands at, the position saved by its OK (where the
// window opens), and what the position's row gives a game: its start score and the men's rhythms. A row is
// applied whenever the player moves the slider and at every start, so a move the player cancelled still
// counts; the start score a game begins with is the one applied before it starts.
class GameSpeed final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(GameSpeed)

public:
    GameSpeed() = default;

    int savedPosition() const { return m_savedPosition; }
    int sliderPosition() const { return m_sliderPosition; }
    std::int32_t startScore() const { return m_startScore; }
    const std::array<std::int32_t, 3>& manIntervals() const { return m_manIntervals; }

    // The window opens at the saved position, showing its start score.
    void open();
    // The slider stands at a new position; nothing is applied yet.
    void setSliderPosition(int position) { m_sliderPosition = position; }
    // The player moved the slider (mouse, keys or wheel): its row applies, and its start score shows.
    void follow();
    // OK: the position is saved.
    void confirm() { m_savedPosition = m_sliderPosition; }
    // At every start: the slider's row, for the next game's start score and this game's men.
    void applySlider() { apply(m_sliderPosition); }

signals:
    void sliderPositionChanged(int position);
    void startScoreShown(int startScore);

private:
    // A position outside the table changes nothing.
    void apply(int position);

    int m_savedPosition = kNormalSpeed;
    int m_sliderPosition = kNormalSpeed;
    std::int32_t m_startScore = 0;
    std::array<std::int32_t, 3> m_manIntervals{};
};

}  // namespace kelvad
