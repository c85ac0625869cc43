// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Connects the windows' events to the game's operations: the only place that knows both.
#include "app/GameWindow.h"

#include "game/BonusPlates.h"
#include "game/Civilian.h"
#include "game/Lifecycle.h"
#include "game/Menus.h"
#include "game/PlayField.h"
#include "game/Shots.h"
#include "game/StartUp.h"
#include "game/Targets.h"
#include "scores/HighScoreWindow.h"
#include "scores/NameEntry.h"
#include "settings/SpeedDialog.h"
#include "sound/MediaControl.h"
#include "sound/SoundPlayer.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/ImageBox.h"
#include "ui/MainWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/SpeedWindow.h"
#include "ui/TextBox.h"
#include "weapons/Guns.h"
#include "weapons/Reload.h"

#include <QAction>
#include <QPushButton>

#include <array>

namespace kelvad {

namespace {

// The game's side of one main window: a child of the window, so that its connections and the window's sound
// end with the window.
class GameWiring final : public QObject {
public:
    GameWiring(MainWindow& window, GameState& state);

private:
    void connectMainWindow();
    void connectNameEntry(NameEntryWindow& entry);
    void connectHighScores(HighScoreTableWindow& table);
    void connectSpeedDialog(SpeedWindow& dialog);

    MainWindow& m_window;
    GameState& m_state;
    sound::MediaControl m_tune;
    sound::SoundPlayer m_soundPlayer;
};

GameWiring::GameWiring(MainWindow& window, GameState& state)
    : QObject(&window),
      m_window(window),
      m_state(state),
      m_tune(window.platform().soundDevice),
      m_soundPlayer(window.platform().soundDevice) {
    window.tune = &m_tune;
    window.soundPlayer = &m_soundPlayer;
    connectMainWindow();
    connect(&window, &MainWindow::nameEntryWindowCreated, this,
            [this](NameEntryWindow* created) { connectNameEntry(*created); });
    connect(&window, &MainWindow::highScoreTableWindowCreated, this,
            [this](HighScoreTableWindow* created) { connectHighScores(*created); });
    connect(&window, &MainWindow::speedWindowCreated, this,
            [this](SpeedWindow* created) { connectSpeedDialog(*created); });
}

void GameWiring::connectMainWindow() {
    connect(m_window.startButton, &QPushButton::clicked, this, [this] { StartGame(m_window, m_state); });
    connect(m_window.startAction, &QAction::triggered, this, [this] { StartGame(m_window, m_state); });
    connect(m_window.pauseAction, &QAction::triggered, this, [this] { PauseGame(m_window); });
    connect(m_window.returnToStartAction, &QAction::triggered, this,
            [this] { ReturnToReadyState(m_window); });
    connect(m_window.highScoresAction, &QAction::triggered, this,
            [this] { OpenHighScoreWindow(m_window, m_state); });
    connect(m_window.exitAction, &QAction::triggered, &m_window, &QWidget::close);
    connect(&m_window, &MainWindow::closing, this, [this] { EndProgram(m_window, m_state); });
    connect(m_window.gameSpeedAction, &QAction::triggered, this,
            [this] { OpenSpeedDialog(m_window, m_state); });
    connect(m_window.gunActions[0], &QAction::triggered, this, [this] { SelectGun(m_window, 1); });
    connect(m_window.gunActions[1], &QAction::triggered, this, [this] { SelectGun(m_window, 2); });
    connect(m_window.gunActions[2], &QAction::triggered, this, [this] { SelectGun(m_window, 3); });
    connect(m_window.helpAction, &QAction::triggered, this, [this] { ShowHelp(m_window); });
    connect(m_window.versionAction, &QAction::triggered, this, [this] { ShowVersion(m_window); });
    connect(m_window.timeBonusSquare, &PictureBox::clicked, this, [this] { TimeBonusClick(m_window); });

    connect(m_window.playField, &PictureBox::mouseDown, this,
            [this](int button, int, float, float) { FieldMouseDown(m_window, m_state, button); });
    connect(m_window.playField, &PictureBox::mouseMove, this,
            [this](int, int, float x, float y) { TrackPointer(m_state, x, y); });
    for (int man = 0; man < kMenOnField; ++man) {
        connect(manImage(m_window, man), &ImageBox::mouseDown, this,
                [this, man](int button, int, float, float) { ManMouseDown(m_window, m_state, man, button); });
        connect(manImage(m_window, man), &ImageBox::mouseMove, this, [this, man](int, int, float x, float y) {
            const FieldPoint& place = manPlace(m_state, man);
            TrackPointer(m_state, x + place.left, y + place.top);
        });
    }
    connect(m_window.civilian, &ImageBox::mouseDown, this,
            [this](int button, int, float, float) { CivilianMouseDown(m_window, m_state, button); });
    connect(m_window.civilian, &ImageBox::mouseMove, this,
            [this](int, int, float x, float y) { TrackCivilianPointer(m_state, x, y); });
    // The labels on the plates let their presses through, so a click on "150" is a click on its plate.
    for (int plate = 0; plate < kPlates; ++plate) {
        connect(plateBox(m_window, plate), &PictureBox::clicked, this,
                [this, plate] { CollectBonus(m_window, m_state, plate); });
    }

    m_window.gameClock->setTickHandler([this] { ClockTick(m_window, m_state); });
    m_window.reloadTimer->setTickHandler([this] { CompleteReload(m_window, m_state); });
    m_window.messageTimer->setTickHandler([this] { ClearMessage(m_window); });
    for (int man = 0; man < kMenOnField; ++man) {
        m_window.manJumpTimers[static_cast<std::size_t>(man)]->setTickHandler(
            [this, man] { MoveMan(m_window, m_state, man); });
    }
    m_window.civilianArrivalTimer->setTickHandler([this] { ShowCivilian(m_window, m_state); });
    m_window.civilianDepartureTimer->setTickHandler([this] { HideCivilian(m_window); });
    m_window.plateTimer->setTickHandler([this] { HideBonusPlates(m_window); });
}

void GameWiring::connectNameEntry(NameEntryWindow& entry) {
    constexpr int kEnter = 13;
    connect(entry.okButton, &QPushButton::clicked, this, [this] { ConfirmName(m_window, m_state); });
    connect(entry.nameBox, &TextBox::keyDown, this, [this](int keyCode, int) {
        if (keyCode == kEnter) {
            ConfirmName(m_window, m_state);
        }
    });
    // Closing the name entry with the frame stores the entry as OK does, so the main window comes back.
    connect(&entry, &SmallWindow::closedByFrame, this, [this] { ConfirmName(m_window, m_state); });
}

void GameWiring::connectHighScores(HighScoreTableWindow& table) {
    connect(table.okButton, &QPushButton::clicked, this, [this] { CloseHighScoreWindow(m_window); });
    connect(table.resetButton, &QPushButton::clicked, this,
            [this] { AskResetHighScores(m_window, m_state); });
    connect(&table, &SmallWindow::closedByFrame, this, [this] { CloseHighScoreWindowByFrame(m_window); });
}

void GameWiring::connectSpeedDialog(SpeedWindow& dialog) {
    connect(dialog.speedSlider, &Slider::clicked, this, [this] { FollowSlider(m_window, m_state); });
    connect(dialog.speedSlider, &Slider::mouseMove, this,
            [this](int, int, float, float) { FollowSlider(m_window, m_state); });
    connect(dialog.speedSlider, &Slider::movedByKeyOrWheel, this,
            [this] { FollowSlider(m_window, m_state); });
    connect(dialog.okButton, &QPushButton::clicked, this, [this] { ConfirmSpeed(m_window, m_state); });
    connect(dialog.cancelButton, &QPushButton::clicked, this, [this] { CancelSpeed(m_window); });
    // Closing the dialog with the frame acts as Cancel, so the main window is never left disabled.
    connect(&dialog, &SmallWindow::closedByFrame, this, [this] { CancelSpeed(m_window); });
}

}  // namespace

std::unique_ptr<MainWindow> makeGameWindow(platform::Platform& platform, GameState& state) {
    auto window = std::make_unique<MainWindow>(platform);
    new GameWiring(*window, state);  // Owned by the window.
    LoadMainWindow(*window, state);
    return window;
}

}  // namespace kelvad
