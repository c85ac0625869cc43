// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Phase.h"

#include "ui/MainWindow.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace kelvad {

namespace {

// Shown or enabled, hidden or disabled, or kept as it is.
enum class Set { On, Off, Kept };

// What a phase makes of the controls, in the order the game lists them.
struct PhaseControls {
    // The title and the legend panel, over the play field and the status panel.
    Set titlePanels;
    Set startButton;
    // The start and high-score items, and the options menu with the gun and the speed: they change only
    // between games.
    Set startItems;
    // The time-out item and the return to the ready state.
    Set gameItems;
    // The time-bonus square.
    Set timeBonus;
    // The kill counter reads 0 again, while the kill count itself waits for the next start.
    bool killCounterCleared;
};

constexpr PhaseControls controlsOf(Phase phase) {
    // Title panels, Start button, start items, game items, time bonus, kill counter cleared.
    switch (phase) {
        case Phase::Ready:
            return {Set::On, Set::On, Set::On, Set::Off, Set::On, true};
        case Phase::Playing:
            return {Set::Off, Set::Off, Set::Off, Set::On, Set::Off, false};
        case Phase::GameOver:
            return {Set::On, Set::Kept, Set::Kept, Set::Kept, Set::Kept, false};
        case Phase::TableClosedByFrame:
            return {Set::Kept, Set::Kept, Set::On, Set::Kept, Set::Kept, false};
    }
    return {Set::Kept, Set::Kept, Set::Kept, Set::Kept, Set::Kept, false};
}

template <typename Change>
void apply(Set set, const Change& change) {
    if (set != Set::Kept) {
        change(set == Set::On);
    }
}

}  // namespace

void SetPhase(MainWindow& window, Phase phase) {
    const PhaseControls controls = controlsOf(phase);
    apply(controls.titlePanels, [&](bool on) {
        window.titlePanel->setVisible(on);
        window.legendPanel->setVisible(on);
    });
    apply(controls.startButton, [&](bool on) { window.startButton->setEnabled(on); });
    apply(controls.startItems, [&](bool on) {
        window.startAction->setEnabled(on);
        window.highScoresAction->setEnabled(on);
        window.optionsMenu->menuAction()->setEnabled(on);
    });
    apply(controls.gameItems, [&](bool on) {
        window.pauseAction->setEnabled(on);
        window.returnToStartAction->setEnabled(on);
    });
    apply(controls.timeBonus, [&](bool on) { window.timeBonusSquare->setEnabled(on); });
    if (controls.killCounterCleared) {
        window.killCountLabel->setText(QStringLiteral("0"));
    }
}

}  // namespace kelvad
