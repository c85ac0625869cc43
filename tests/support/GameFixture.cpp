// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameFixture.h"

#include "PhaseControls.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace kelvad::testing {

namespace {

QPoint pointIn(QWidget* widget, QPoint at) {
    return at == QPoint(-1, -1) ? widget->rect().center() : at;
}

}  // namespace

GameFixture::GameFixture() : GameFixture([](TestPlatform&) {}) {}

GameFixture::GameFixture(const std::function<void(TestPlatform&)>& beforeLoad) {
    platform.copyGameFiles();
    beforeLoad(platform);
    m_windows = std::make_unique<GameWindows>(platform.platform());
    window().show();
}

GameFixture::~GameFixture() = default;

void GameFixture::choose(const char* item) {
    control<QAction>(item)->trigger();
}

void GameFixture::clickStart() {
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
}

void GameFixture::press(QWidget* widget, Qt::MouseButton button, QPoint at) {
    hold(widget, button, at);
    letGo(widget, button, at);
}

void GameFixture::hold(QWidget* widget, Qt::MouseButton button, QPoint at) {
    // Through the window: a disabled or covered widget lets the press fall to what lies beneath. QTest keeps
    // the buttons held down, so a press while another is held carries both.
    QWidget* top = widget->window();
    QTest::mousePress(top->windowHandle(), button, Qt::NoModifier, widget->mapTo(top, pointIn(widget, at)));
}

void GameFixture::letGo(QWidget* widget, Qt::MouseButton button, QPoint at) {
    QWidget* top = widget->window();
    QTest::mouseRelease(top->windowHandle(), button, Qt::NoModifier, widget->mapTo(top, pointIn(widget, at)));
}

void GameFixture::move(QWidget* widget, QPoint at) {
    QWidget* top = widget->window();
    QTest::mouseMove(top->windowHandle(), widget->mapTo(top, at));
}

QStringList controlStates(QWidget& mainWindow) {
    using namespace Qt::StringLiterals;
    const auto widget = [&](const char* name) { return mainWindow.findChild<QWidget*>(QLatin1String(name)); };
    const auto action = [&](const char* name) { return mainWindow.findChild<QAction*>(QLatin1String(name)); };
    return {enabledState(u"Form1"_s, mainWindow.isEnabled()),
            shownState(u"TAITOLU(0)"_s, widget("TAITOLU_0")->isVisible()),
            shownState(u"TAITOLU(1)"_s, widget("TAITOLU_1")->isVisible()),
            enabledState(u"Command1"_s, widget("Command1")->isEnabled()),
            enabledState(u"B1"_s, action("B1")->isEnabled()),
            enabledState(u"B4"_s, action("B4")->isEnabled()),
            enabledState(u"A2"_s, mainWindow.findChild<QMenu*>(u"A2"_s)->menuAction()->isEnabled()),
            enabledState(u"B19"_s, action("B19")->isEnabled()),
            enabledState(u"B21"_s, action("B21")->isEnabled()),
            enabledState(u"Picture2"_s, widget("Picture2")->isEnabled()),
            u"Label20 "_s + mainWindow.findChild<QLabel*>(u"Label20"_s)->text()};
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
    press(widget, Qt::LeftButton, at);
}

}  // namespace kelvad::testing
