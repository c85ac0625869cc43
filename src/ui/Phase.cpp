#include "ui/Phase.h"

#include "ui/Form1.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <optional>

namespace kelvad {

namespace {

// What a phase makes of each control: shown or hidden, enabled or disabled, or kept as it is.
constexpr std::optional<bool> kKept = std::nullopt;

struct PhaseControls {
    std::optional<bool> titlePanelsShown;
    std::optional<bool> command1Enabled;
    std::optional<bool> startItemsEnabled;
    std::optional<bool> gameItemsEnabled;
    std::optional<bool> timeBonusEnabled;
    // The kill counter reads 0 again, while the count itself waits for the next start.
    bool killCounterCleared;
};

constexpr PhaseControls controlsOf(Phase phase) {
    switch (phase) {
        case Phase::Ready:
            return {.titlePanelsShown = true,
                    .command1Enabled = true,
                    .startItemsEnabled = true,
                    .gameItemsEnabled = false,
                    .timeBonusEnabled = true,
                    .killCounterCleared = true};
        case Phase::Playing:
            return {.titlePanelsShown = false,
                    .command1Enabled = false,
                    .startItemsEnabled = false,
                    .gameItemsEnabled = true,
                    .timeBonusEnabled = false,
                    .killCounterCleared = false};
        case Phase::GameOver:
            return {.titlePanelsShown = true,
                    .command1Enabled = kKept,
                    .startItemsEnabled = kKept,
                    .gameItemsEnabled = kKept,
                    .timeBonusEnabled = kKept,
                    .killCounterCleared = false};
        case Phase::TableClosedByFrame:
            return {.titlePanelsShown = kKept,
                    .command1Enabled = kKept,
                    .startItemsEnabled = true,
                    .gameItemsEnabled = kKept,
                    .timeBonusEnabled = kKept,
                    .killCounterCleared = false};
    }
    return {kKept, kKept, kKept, kKept, kKept, false};
}

}  // namespace

void SetPhase(Form1& form, Phase phase) {
    const PhaseControls controls = controlsOf(phase);
    if (controls.titlePanelsShown) {
        form.TAITOLU[0]->setVisible(*controls.titlePanelsShown);
        form.TAITOLU[1]->setVisible(*controls.titlePanelsShown);
    }
    if (controls.command1Enabled) {
        form.Command1->setEnabled(*controls.command1Enabled);
    }
    if (controls.startItemsEnabled) {
        // The gun and the speed live under A2: they change only between games.
        form.B1->setEnabled(*controls.startItemsEnabled);
        form.B4->setEnabled(*controls.startItemsEnabled);
        form.A2->menuAction()->setEnabled(*controls.startItemsEnabled);
    }
    if (controls.gameItemsEnabled) {
        form.B19->setEnabled(*controls.gameItemsEnabled);
        form.B21->setEnabled(*controls.gameItemsEnabled);
    }
    if (controls.timeBonusEnabled) {
        form.Picture2->setEnabled(*controls.timeBonusEnabled);
    }
    if (controls.killCounterCleared) {
        form.Label20->setText(QStringLiteral("0"));
    }
}

}  // namespace kelvad
