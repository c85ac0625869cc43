// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The states of the game as the main window shows them.
enum class Phase {
    // After start-up, after a return to the start and after the high-score table's OK: a game can start.
    Ready,
    // A game runs: the gun and the speed cannot be changed, and the game can be paused or left.
    Playing,
    // The clock ran out: the title panels come back for the score message; the rest stays as in play until
    // the player leaves the high-score table.
    GameOver,
    // The high-score table closed with its frame's close control: only the start items come back, the rest
    // keeps the state it had.
    TableClosedByFrame,
};

// The groups of controls that follow the state of the game: the title and legend panels over the play field
// and the status panel, the Start button, the start items (start, high scores and the options menu with the
// gun and the speed), the game items (time-out, back to the start) and the time-bonus square.
class ControlStates final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(ControlStates)

public:
    ControlStates() = default;

    bool titlePanelsShown() const { return m_titlePanelsShown; }
    bool startButtonEnabled() const { return m_startButtonEnabled; }
    bool startItemsEnabled() const { return m_startItemsEnabled; }
    bool gameItemsEnabled() const { return m_gameItemsEnabled; }
    bool timeBonusEnabled() const { return m_timeBonusEnabled; }

    // Puts every group into its state for the phase, in the order the game lists them.
    void setPhase(Phase phase);

signals:
    void titlePanelsShownChanged(bool shown);
    void startButtonEnabledChanged(bool enabled);
    void startItemsEnabledChanged(bool enabled);
    void gameItemsEnabledChanged(bool enabled);
    void timeBonusEnabledChanged(bool enabled);

private:
    // The states the window is built with.
    bool m_titlePanelsShown = true;
    bool m_startButtonEnabled = true;
    bool m_startItemsEnabled = true;
    bool m_gameItemsEnabled = true;
    bool m_timeBonusEnabled = true;
};

}  // namespace kelvad
