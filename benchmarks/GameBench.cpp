// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameBench.h"

#include "GameFixture.h"
#include "game/Lifecycle.h"
#include "game/Shots.h"
#include "state/GameState.h"
#include "weapons/Guns.h"

#include <QApplication>
#include <QTest>

namespace kelvad::bench {

namespace {

// A kill count that no shot of a benchmark carries to a stage change.
constexpr int kQuietKillCount = 5;

}  // namespace

GameBench::GameBench()
    : m_platform{m_fakes.scheduler,
                 m_fakes.messageBoxes,
                 m_fakes.beeper,
                 m_sleeper,
                 m_fakes.random,
                 m_fakes.soundDevice,
                 m_fakes.helpViewer,
                 m_fakes.platform().programDirectory,
                 m_fakes.platform().scoreDirectory} {
    m_fakes.copyGameFiles();
    m_window = testing::freshGameWindow(m_platform, m_game);
    m_window->show();
    // Until the window is on screen a repaint paints nothing, and the handlers would look cheaper than they
    // are.
    if (!QTest::qWaitForWindowExposed(m_window.get())) {
        qWarning("The benchmark window was never exposed: painting is not measured.");
    }
    StartGame(*m_window, m_game);
    settle();
}

GameBench::~GameBench() = default;

void GameBench::pointAt(float x, float y) {
    TrackPointer(m_game, x, y);
}

void GameBench::rearm() {
    RefillMagazine(*m_window, m_game);
    m_game.bonusCharge = 0;
    m_game.killCount = kQuietKillCount;
    // The recording sound device keeps every call; a long run must not grow it without end.
    m_fakes.soundDevice.calls.clear();
    settle();
}

void GameBench::settle() {
    QApplication::processEvents();
}

}  // namespace kelvad::bench
