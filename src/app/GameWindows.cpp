// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place that knows both the game and its windows.
#include "app/GameWindows.h"

#include "game/Game.h"
#include "platform/Platform.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>

namespace kelvad {

GameWindows::GameWindows(platform::Platform& platform)
    : m_game(std::make_unique<Game>(platform)),
      m_window(std::make_unique<MainWindow>(platform.programDirectory)) {
    showTheGame();
    forwardThePlayer();
    m_game->load();
}

GameWindows::~GameWindows() = default;

void GameWindows::showTheGame() {
    Game& game = *m_game;
    MainWindow* window = m_window.get();

    QObject::connect(&game.messageBar(), &MessageBar::textChanged, window, &MainWindow::showMessage);
    const ControlStates& controls = game.controls();
    QObject::connect(&controls, &ControlStates::titlePanelsShownChanged, window,
                     &MainWindow::showTitlePanels);
    QObject::connect(&controls, &ControlStates::startButtonEnabledChanged, window,
                     &MainWindow::enableStartButton);
    QObject::connect(&controls, &ControlStates::startItemsEnabledChanged, window,
                     &MainWindow::enableStartItems);
    QObject::connect(&controls, &ControlStates::gameItemsEnabledChanged, window,
                     &MainWindow::enableGameItems);
    QObject::connect(&controls, &ControlStates::timeBonusEnabledChanged, window,
                     &MainWindow::enableTimeBonus);

    QObject::connect(&game, &Game::killCounterChanged, window, &MainWindow::showKillCount);
    QObject::connect(&game, &Game::scoreChanged, window, &MainWindow::showScore);
    QObject::connect(&game, &Game::hitRateChanged, window, &MainWindow::showHitRate);
    QObject::connect(&game, &Game::timeBarChanged, window,
                     [window](const GaugeLevel& level) { window->showTimeBar(level.value, level.max); });
    QObject::connect(&game, &Game::backgroundChanged, window, &MainWindow::showBackground);
    QObject::connect(&game, &Game::shotMarkDrawn, window, &MainWindow::drawShotMark);
    QObject::connect(&game, &Game::fallDrawn, window, &MainWindow::drawFall);
    QObject::connect(&game, &Game::fieldRefreshed, window, &MainWindow::refreshField);
    QObject::connect(&game, &Game::mainWindowEnabledChanged, window, &QWidget::setEnabled);
    QObject::connect(&game, &Game::mainWindowShown, window, &QWidget::show);
    QObject::connect(&game, &Game::highScoreTableShownChanged, window, &MainWindow::showHighScoreTable);
    QObject::connect(&game, &Game::speedWindowShownChanged, window, &MainWindow::showSpeedWindow);
    // exit rather than quit: quit first asks every window to close, and closing a small window is one of its
    // ways out (the name entry's shows the table), which would keep the program running.
    QObject::connect(&game, &Game::quitRequested, window, [] { QCoreApplication::exit(0); });

    QObject::connect(&game.men(), &Men::shownChanged, window, &MainWindow::showMan);
    QObject::connect(&game.men(), &Men::enabledChanged, window, &MainWindow::enableMan);
    QObject::connect(&game.men(), &Men::moved, window, &MainWindow::placeMan);
    QObject::connect(&game.civilian(), &Civilian::shownChanged, window, &MainWindow::showCivilian);
    QObject::connect(&game.civilian(), &Civilian::enabledChanged, window, &MainWindow::enableCivilian);
    QObject::connect(&game.civilian(), &Civilian::moved, window, &MainWindow::placeCivilian);
    QObject::connect(&game.plates(), &BonusPlates::shownChanged, window, &MainWindow::showPlate);
    QObject::connect(&game.plates(), &BonusPlates::enabledChanged, window, &MainWindow::enablePlate);
    QObject::connect(&game.plates(), &BonusPlates::moved, window, &MainWindow::placePlate);

    const Guns& guns = game.guns();
    QObject::connect(&guns, &Guns::ticked, window, &MainWindow::tickGun);
    QObject::connect(&guns, &Guns::displayShown, window, &MainWindow::showAmmoDisplay);
    QObject::connect(&guns, &Guns::bulletShown, window, &MainWindow::showBullet);
    QObject::connect(&guns, &Guns::countChanged, window, &MainWindow::showAmmoCount);
    QObject::connect(&guns, &Guns::gaugeChanged, window, [window](int gun, const GaugeLevel& level) {
        window->showAmmoGauge(gun, level.value, level.max, level.barColor);
    });

    QObject::connect(&game.highScores(), &HighScores::tableChanged, window,
                     [window](const HighScoreTable& table) {
                         QStringList names;
                         QStringList scores;
                         for (std::size_t rank = 0; rank < HighScoreTable::kEntries; ++rank) {
                             names << table.names[rank];
                             scores << QString::number(table.scores[rank]);
                         }
                         window->showHighScores(names, scores);
                     });
    QObject::connect(&game.nameEntry(), &NameEntry::opened, window, &MainWindow::openNameEntry);
    QObject::connect(&game.nameEntry(), &NameEntry::closed, window, &MainWindow::closeNameEntry);
    QObject::connect(&game.speed(), &GameSpeed::sliderPositionChanged, window,
                     &MainWindow::showSpeedPosition);
    QObject::connect(&game.speed(), &GameSpeed::startScoreShown, window, &MainWindow::showStartScore);
}

void GameWindows::forwardThePlayer() {
    Game* game = m_game.get();
    const MainWindow* window = m_window.get();

    QObject::connect(window, &MainWindow::startClicked, game, &Game::clickStart);
    QObject::connect(window, &MainWindow::startChosen, game, &Game::chooseStart);
    QObject::connect(window, &MainWindow::pauseChosen, game, &Game::choosePause);
    QObject::connect(window, &MainWindow::returnToStartChosen, game, &Game::chooseReturnToStart);
    QObject::connect(window, &MainWindow::highScoresChosen, game, &Game::chooseHighScores);
    QObject::connect(window, &MainWindow::gameSpeedChosen, game, &Game::chooseGameSpeed);
    QObject::connect(window, &MainWindow::gunChosen, game, &Game::chooseGun);
    QObject::connect(window, &MainWindow::helpChosen, game, &Game::chooseHelp);
    QObject::connect(window, &MainWindow::versionChosen, game, &Game::chooseVersion);
    QObject::connect(window, &MainWindow::timeBonusClicked, game, &Game::clickTimeBonus);
    QObject::connect(window, &MainWindow::closing, game, &Game::quit);

    QObject::connect(window, &MainWindow::fieldPressed, game, &Game::pressField);
    QObject::connect(window, &MainWindow::manPressed, game, &Game::pressMan);
    QObject::connect(window, &MainWindow::civilianPressed, game, &Game::pressCivilian);
    QObject::connect(window, &MainWindow::plateClicked, game, &Game::clickPlate);
    QObject::connect(window, &MainWindow::pointerMovedOverField, game, &Game::moveOverField);
    QObject::connect(window, &MainWindow::pointerMovedOverMan, game, &Game::moveOverMan);
    QObject::connect(window, &MainWindow::pointerMovedOverCivilian, game, &Game::moveOverCivilian);

    QObject::connect(window, &MainWindow::nameEdited, game, &Game::typeName);
    QObject::connect(window, &MainWindow::keyPressedInName, game, &Game::pressKeyInName);
    QObject::connect(window, &MainWindow::nameConfirmed, game, &Game::confirmName);
    QObject::connect(window, &MainWindow::tableConfirmed, game, &Game::confirmTable);
    QObject::connect(window, &MainWindow::tableClosedByFrame, game, &Game::closeTableByFrame);
    QObject::connect(window, &MainWindow::tableResetAsked, game, &Game::resetTable);
    QObject::connect(window, &MainWindow::speedSliderMoved, game, &Game::setSpeedSliderPosition);
    QObject::connect(window, &MainWindow::speedSliderFollowed, game, &Game::followSpeedSlider);
    QObject::connect(window, &MainWindow::speedConfirmed, game, &Game::confirmSpeed);
    QObject::connect(window, &MainWindow::speedCancelled, game, &Game::cancelSpeed);
}

}  // namespace kelvad
