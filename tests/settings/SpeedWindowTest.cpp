// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpeedWindowTest.h"

#include "GameFixture.h"
#include "settings/SpeedTable.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <functional>

using namespace Qt::StringLiterals;

namespace kelvad {

using testing::GameFixture;

namespace {

// What the player does in the speed window: moves its slider, then leaves the window.
using Choosing = std::function<void(QSlider* slider, QWidget* window)>;

QString startScoreLabel(GameFixture& game) {
    return game.control("Form4")->findChild<QLabel*>(u"Label6"_s)->text();
}

void click(QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

// The x of a slider position's handle centre, in the slider's pixels.
int handleAt(QSlider* slider, int position) {
    return QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), position,
                                           slider->width() - 20) +
           10;
}

// The left button over the slider, through its window as the player's mouse comes: pressed, released, or
// neither (a move).
void mouse(QSlider* slider, QPoint at, std::optional<bool> press = {}) {
    QWindow* window = slider->window()->windowHandle();
    const QPoint inWindow = slider->mapTo(slider->window(), at);
    if (!press) {
        QTest::mouseMove(window, inWindow);
    } else if (*press) {
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inWindow);
    } else {
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inWindow);
    }
}

// Drags the handle from where it is to one end.
void dragTo(QSlider* slider, bool right) {
    const int y = slider->height() / 2;
    const QPoint end(right ? slider->width() - 1 : 0, y);
    mouse(slider, QPoint(handleAt(slider, slider->value()), y), true);
    mouse(slider, end);
    mouse(slider, end, false);
}

void keys(QSlider* slider, Qt::Key key, int times = 1) {
    for (int time = 0; time < times; ++time) {
        QTest::keyClick(slider, key);
    }
}

void turnWheel(QSlider* slider, int notches) {
    const QPointF at(slider->width() / 2.0, slider->height() / 2.0);
    for (int notch = 0; notch < notches; ++notch) {
        QWheelEvent wheel(at, slider->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &wheel);
    }
}

}  // namespace

void SpeedWindowTest::theStartScoreFollowsTheMouse() {
    GameFixture game;
    game.choose("B6");
    QWidget* window = game.control("Form4");
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(startScoreLabel(game), u"0"_s);
    // The window itself still takes input while the main window is disabled.
    QVERIFY(!game.window().isEnabled());
    QVERIFY(window->isEnabled());

    // Dragged to the left end: the start score follows while the button is still down.
    auto* slider = window->findChild<QSlider*>(u"Slider1"_s);
    const int y = slider->height() / 2;
    mouse(slider, QPoint(handleAt(slider, 5), y), true);
    mouse(slider, QPoint(0, y));
    QCOMPARE(slider->value(), 0);
    QCOMPARE(startScoreLabel(game), u"-250"_s);
    mouse(slider, QPoint(0, y), false);
    QCOMPARE(game.game().speed().startScore(), -250);

    // A position reached without the mouse shows at the next move over the slider.
    slider->setValue(3);
    QCOMPARE(startScoreLabel(game), u"-250"_s);
    mouse(slider, QPoint(slider->width() / 2, 2));
    QCOMPARE(startScoreLabel(game), u"-100"_s);
    QCOMPARE(game.game().speed().startScore(), -100);

    // So does a click on the handle where the pointer already is.
    const QPoint onHandle(handleAt(slider, 8), y);
    mouse(slider, onHandle);
    slider->setValue(8);
    QCOMPARE(startScoreLabel(game), u"-100"_s);
    mouse(slider, onHandle, true);
    mouse(slider, onHandle, false);
    QCOMPARE(slider->value(), 8);
    QCOMPARE(startScoreLabel(game), u"150"_s);
}

void SpeedWindowTest::eachMoveAndWayOut_data() {
    QTest::addColumn<Choosing>("choosing");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("saved");
    QTest::newRow("fastest, Escape") << Choosing([](QSlider* slider, QWidget*) {
        dragTo(slider, true);
        keys(slider, Qt::Key_Escape);
    }) << 10 << 5;
    QTest::newRow("slowest, the frame's close control") << Choosing([](QSlider* slider, QWidget* window) {
        dragTo(slider, false);
        window->close();
    }) << 0 << 5;
    // The keyboard and the wheel move the start score with the slider, as the mouse does.
    QTest::newRow("fastest by Right x5, OK") << Choosing([](QSlider* slider, QWidget* window) {
        keys(slider, Qt::Key_Right, 5);
        click(window, "Command2");
    }) << 10 << 10;
    QTest::newRow("slowest by Home, Cancel") << Choosing([](QSlider* slider, QWidget* window) {
        keys(slider, Qt::Key_Home);
        click(window, "Command1");
    }) << 0 << 5;
    QTest::newRow("fastest by the wheel, OK") << Choosing([](QSlider* slider, QWidget* window) {
        turnWheel(slider, 5);
        click(window, "Command2");
    }) << 10 << 10;
}

void SpeedWindowTest::eachMoveAndWayOut() {
    QFETCH(Choosing, choosing);
    QFETCH(int, position);
    QFETCH(int, saved);
    GameFixture game;
    game.choose("B6");
    QWidget* window = game.control("Form4");
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* slider = window->findChild<QSlider*>(u"Slider1"_s);
    choosing(slider, window);
    QCOMPARE(slider->value(), position);
    // The label keeps what the move showed.
    QCOMPARE(startScoreLabel(game), QString::number(speedRow(position)->startScore));
    QCOMPARE(game.game().speed().startScore(), speedRow(position)->startScore);
    QVERIFY(!window->isVisible());
    QVERIFY(game.window().isEnabled());

    // Reopened, the window shows the saved position and its start score.
    game.choose("B6");
    QCOMPARE(slider->value(), saved);
    QCOMPARE(startScoreLabel(game), QString::number(speedRow(saved)->startScore));
}

}  // namespace kelvad
