// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game-speed dialog: following the slider, its ways out, and what the next games start with.
#include "SpeedDialogTest.h"

#include "GameFixture.h"
#include "state/GameState.h"
#include "ui/Slider.h"
#include "ui/SpeedWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <cstdlib>

using kelvad::testing::GameFixture;

namespace {

enum class WayOut { Ok, Cancel, Escape, Frame };
// How the player moves the slider: the mouse, the arrow keys one step at a time, Home or End, or the wheel.
enum class Move { Drag, ArrowKeys, HomeOrEnd, Wheel };

// What a game starts with: its score and the intervals of the black, blue and yellow man.
struct GameStart {
    int score;
    int black;
    int blue;
    int yellow;
};

GameStart startGame(GameFixture& game) {
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    game.clickStart();
    const GameStart start{state.score, window.manJumpTimers[0]->interval(),
                          window.manJumpTimers[1]->interval(), window.manJumpTimers[2]->interval()};
    game.platform.messageBoxes.answer(kelvad::platform::MessageAnswer::Yes);
    window.returnToStartAction->trigger();
    return start;
}

// The x of a slider position's handle centre, in the slider's pixels.
int handleAt(kelvad::Slider* slider, int position) {
    return QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), position,
                                           slider->width() - 20) +
           10;
}

// The mouse over the slider, through its window as the player's mouse comes.
QWindow* windowOf(kelvad::Slider* slider) {
    return slider->window()->windowHandle();
}
QPoint inWindow(kelvad::Slider* slider, QPoint at) {
    return slider->mapTo(slider->window(), at);
}
void pressOn(kelvad::Slider* slider, QPoint at) {
    QTest::mousePress(windowOf(slider), Qt::LeftButton, Qt::NoModifier, inWindow(slider, at));
}
void moveOver(kelvad::Slider* slider, QPoint at) {
    QTest::mouseMove(windowOf(slider), inWindow(slider, at));
}
void releaseOn(kelvad::Slider* slider, QPoint at) {
    QTest::mouseRelease(windowOf(slider), Qt::LeftButton, Qt::NoModifier, inWindow(slider, at));
}

// Drags the slider's handle with the mouse from where it is to one end.
void dragTo(kelvad::Slider* slider, int position) {
    const int y = slider->height() / 2;
    const QPoint end(position == 0 ? 0 : slider->width() - 1, y);
    pressOn(slider, QPoint(handleAt(slider, slider->value()), y));
    moveOver(slider, end);
    releaseOn(slider, end);
}

// Moves the slider from the middle to one end as the player chooses to.
void moveTo(kelvad::Slider* slider, int position, Move move) {
    const bool right = position > slider->value();
    const int steps = std::abs(position - slider->value());
    switch (move) {
        case Move::Drag:
            dragTo(slider, position);
            break;
        case Move::ArrowKeys:
            for (int step = 0; step < steps; ++step) {
                QTest::keyClick(slider, right ? Qt::Key_Right : Qt::Key_Left);
            }
            break;
        case Move::HomeOrEnd:
            QTest::keyClick(slider, right ? Qt::Key_End : Qt::Key_Home);
            break;
        case Move::Wheel:
            for (int notch = 0; notch < steps; ++notch) {
                const QPointF at(slider->width() / 2.0, slider->height() / 2.0);
                QWheelEvent wheel(at, slider->mapToGlobal(at), QPoint(), QPoint(0, right ? 120 : -120),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(slider, &wheel);
            }
            break;
    }
}

}  // namespace

Q_DECLARE_METATYPE(WayOut)
Q_DECLARE_METATYPE(Move)

void SpeedDialogTest::aFirstGameStartsAtZeroAtNormalSpeed() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    QCOMPARE(window.speedWindow().speedSlider->value(), 5);
    QVERIFY(!window.speedWindow().isVisible());
    const GameStart first = startGame(game);
    QCOMPARE(first.score, 0);
    QCOMPARE(first.black, 2500);
    QCOMPARE(first.blue, 1500);
    QCOMPARE(first.yellow, 750);
}

void SpeedDialogTest::theStartScoreFollowsTheSlider() {
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    kelvad::SpeedWindow& dialog = window.speedWindow();
    window.gameSpeedAction->trigger();
    QVERIFY(dialog.isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.startScoreLabel->text(), QStringLiteral("0"));
    // The dialog itself still takes input while the main window is disabled.
    QVERIFY(!window.isEnabled());
    QVERIFY(dialog.isEnabled());
    QVERIFY(dialog.speedSlider->isEnabled());
    QVERIFY(dialog.cancelButton->isEnabled() && dialog.okButton->isEnabled());

    // Dragged to the left end: the start score follows while the button is still down.
    kelvad::Slider* slider = dialog.speedSlider;
    const int y = slider->height() / 2;
    pressOn(slider, QPoint(handleAt(slider, 5), y));
    moveOver(slider, QPoint(0, y));
    QCOMPARE(slider->value(), 0);
    QCOMPARE(dialog.startScoreLabel->text(), QStringLiteral("-250"));
    releaseOn(slider, QPoint(0, y));
    QCOMPARE(state.startScore, -250);
    QCOMPARE(state.manIntervals[0], 3000);

    // A position reached without the mouse shows at the next move over the slider.
    slider->setValue(3);
    QCOMPARE(dialog.startScoreLabel->text(), QStringLiteral("-250"));
    moveOver(slider, QPoint(slider->width() / 2, 2));
    QCOMPARE(dialog.startScoreLabel->text(), QStringLiteral("-100"));
    QCOMPARE(state.startScore, -100);

    // So does a click on the handle where the pointer already is.
    const QPoint onHandle(handleAt(slider, 8), y);
    moveOver(slider, onHandle);
    slider->setValue(8);
    QCOMPARE(dialog.startScoreLabel->text(), QStringLiteral("-100"));
    pressOn(slider, onHandle);
    releaseOn(slider, onHandle);
    QCOMPARE(slider->value(), 8);
    QCOMPARE(dialog.startScoreLabel->text(), QStringLiteral("150"));
}

void SpeedDialogTest::eachWayOutOfTheDialogAndTheNextTwoGames_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<Move>("move");
    QTest::addColumn<WayOut>("wayOut");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("black");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("yellow");
    QTest::addColumn<int>("reopenedAt");
    QTest::addColumn<QString>("reopenedScore");
    const Move drag = Move::Drag;
    QTest::newRow("slowest, OK") << 0 << drag << WayOut::Ok << -250 << 3000 << 2000 << 1000 << 0 << "-250";
    QTest::newRow("fastest, OK") << 10 << drag << WayOut::Ok << 250 << 2000 << 1000 << 500 << 10 << "250";
    // A cancelled move still counts: the slider keeps it, and the start reads the slider.
    QTest::newRow("fastest, Cancel") << 10 << drag << WayOut::Cancel << 250 << 2000 << 1000 << 500 << 5
                                     << "0";
    QTest::newRow("slowest, Cancel") << 0 << drag << WayOut::Cancel << -250 << 3000 << 2000 << 1000 << 5
                                     << "0";
    QTest::newRow("fastest, Escape") << 10 << drag << WayOut::Escape << 250 << 2000 << 1000 << 500 << 5
                                     << "0";
    QTest::newRow("slowest, the frame's close control")
        << 0 << drag << WayOut::Frame << -250 << 3000 << 2000 << 1000 << 5 << "0";
    // The keyboard and the wheel move the start score with the slider, as the mouse does.
    QTest::newRow("fastest by Right x5, OK")
        << 10 << Move::ArrowKeys << WayOut::Ok << 250 << 2000 << 1000 << 500 << 10 << "250";
    QTest::newRow("slowest by Home, Cancel")
        << 0 << Move::HomeOrEnd << WayOut::Cancel << -250 << 3000 << 2000 << 1000 << 5 << "0";
    QTest::newRow("fastest by the wheel, OK")
        << 10 << Move::Wheel << WayOut::Ok << 250 << 2000 << 1000 << 500 << 10 << "250";
}

void SpeedDialogTest::eachWayOutOfTheDialogAndTheNextTwoGames() {
    QFETCH(int, position);
    QFETCH(Move, move);
    QFETCH(WayOut, wayOut);
    QFETCH(int, score);
    QFETCH(int, black);
    QFETCH(int, blue);
    QFETCH(int, yellow);
    QFETCH(int, reopenedAt);
    QFETCH(QString, reopenedScore);
    GameFixture game;
    kelvad::MainWindow& window = game.window();
    kelvad::GameState& state = game.state();
    kelvad::SpeedWindow& dialog = window.speedWindow();
    window.gameSpeedAction->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    moveTo(dialog.speedSlider, position, move);
    QCOMPARE(dialog.speedSlider->value(), position);
    QCOMPARE(dialog.startScoreLabel->text(), QString::number(score));

    switch (wayOut) {
        case WayOut::Ok:
            QTest::mouseClick(dialog.okButton, Qt::LeftButton);
            break;
        case WayOut::Cancel:
            QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
            break;
        case WayOut::Escape:
            QTest::keyClick(dialog.speedSlider, Qt::Key_Escape);
            break;
        case WayOut::Frame:
            dialog.close();
            break;
    }
    QVERIFY(!dialog.isVisible());
    QVERIFY(window.isEnabled());
    QCOMPARE(state.speedSetting, wayOut == WayOut::Ok ? position : 5);

    // Both next games follow the slider's position, however the dialog was left.
    for (int round = 1; round <= 2; ++round) {
        const GameStart start = startGame(game);
        QCOMPARE(start.score, score);
        QCOMPARE(start.black, black);
        QCOMPARE(start.blue, blue);
        QCOMPARE(start.yellow, yellow);
    }

    // Reopened, the dialog shows the saved position and its start score, which the next game starts with.
    window.gameSpeedAction->trigger();
    QCOMPARE(dialog.speedSlider->value(), reopenedAt);
    QCOMPARE(dialog.startScoreLabel->text(), reopenedScore);
    QVERIFY(!window.isEnabled());
    QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
    QVERIFY(window.isEnabled());
    QCOMPARE(startGame(game).score, reopenedScore.toInt());
}
