// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameBench.h"

#include <QApplication>
#include <QTest>

namespace kelvad::bench {

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
    m_windows = std::make_unique<GameWindows>(m_platform);
    window().show();
    // Until the window is on screen a repaint paints nothing, and the handlers would look cheaper than they
    // are.
    if (!QTest::qWaitForWindowExposed(&window())) {
        qWarning("The benchmark window was never exposed: painting is not measured.");
    }
    game().chooseGun(3);
    game().clickStart();
    settle();
}

GameBench::~GameBench() = default;

void GameBench::restart() {
    m_fakes.messageBoxes.answer(platform::MessageAnswer::Yes);
    game().chooseReturnToStart();
    game().clickStart();
    // The recording fakes keep every call; a long run must not grow them without end.
    m_fakes.soundDevice.calls.clear();
    m_fakes.messageBoxes.shown.clear();
    m_fakes.scheduler.calls.clear();
    settle();
}

void GameBench::waitForMan(int man) {
    for (int step = 0; step < 100 && !game().men().man(man).shown; ++step) {
        m_fakes.scheduler.advance(50);
    }
}

void GameBench::settle() {
    QApplication::processEvents();
}

}  // namespace kelvad::bench
