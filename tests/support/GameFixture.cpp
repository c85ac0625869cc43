// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameFixture.h"

#include "app/GameWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kelvad::testing {

namespace {

Qt::MouseButton qtButton(int button) {
    switch (button) {
        case 2:
            return Qt::RightButton;
        case 4:
            return Qt::MiddleButton;
        default:
            return Qt::LeftButton;
    }
}

QPoint pointIn(QWidget* widget, QPoint at) {
    return at == QPoint(-1, -1) ? widget->rect().center() : at;
}

}  // namespace

std::unique_ptr<MainWindow> freshGameWindow(platform::Platform& platform, GameState& state) {
    return makeGameWindow(platform, state);
}

GameFixture::GameFixture() : GameFixture([](TestPlatform&) {}) {}

GameFixture::GameFixture(const std::function<void(TestPlatform&)>& beforeLoad) {
    platform.copyGameFiles();
    beforeLoad(platform);
    m_window = freshGameWindow(platform.platform(), m_state);
    m_window->show();
}

GameFixture::~GameFixture() = default;

void GameFixture::clickStart() {
    QTest::mouseClick(m_window->startButton, Qt::LeftButton);
}

void GameFixture::press(QWidget* widget, int button, QPoint at) {
    hold(widget, button, at);
    letGo(widget, button, at);
}

void GameFixture::hold(QWidget* widget, int button, QPoint at) {
    // Through the window: a disabled or covered widget lets the press fall to what lies beneath. QTest keeps
    // the buttons held down, so a press while another is held carries both.
    const QPoint inWindow = widget->mapTo(m_window.get(), pointIn(widget, at));
    QTest::mousePress(m_window->windowHandle(), qtButton(button), Qt::NoModifier, inWindow);
}

void GameFixture::letGo(QWidget* widget, int button, QPoint at) {
    const QPoint inWindow = widget->mapTo(m_window.get(), pointIn(widget, at));
    QTest::mouseRelease(m_window->windowHandle(), qtButton(button), Qt::NoModifier, inWindow);
}

void GameFixture::move(QWidget* widget, QPoint at) {
    QTest::mouseMove(m_window->windowHandle(), widget->mapTo(m_window.get(), at));
}

int runUntilTheProgramEnds(const std::function<void()>& first) {
    QTimer::singleShot(0, first);
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(3); });
    stuck.start(5000);
    return QApplication::exec();
}

void GameFixture::click(QWidget* widget, QPoint at) {
    press(widget, 1, at);
}

}  // namespace kelvad::testing
