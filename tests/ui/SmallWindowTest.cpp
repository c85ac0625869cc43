// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SmallWindowTest.h"
#include "MakeSmallWindow.h"

#include "FakePlatform.h"
#include "GameFixture.h"
#include "state/GameState.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/SpeedWindow.h"
#include "ui/TextBox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <memory>

namespace kelvad {

namespace {

// Where a click beside the handle lands on the groove, which is all the style takes clicks on.
QPoint onGroove(const QSlider* slider, int x) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.subControls = QStyle::SC_All;
    const QRect groove =
        slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
    return {x, groove.center().y()};
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

void SmallWindowTest::closingOnlyHides_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("name entry") << "Form2";
    QTest::newRow("high scores") << "Form3";
    QTest::newRow("game speed") << "Form4";
}

void SmallWindowTest::closingOnlyHides() {
    QFETCH(QString, name);
    QWidget owner;
    std::unique_ptr<SmallWindow> window = makeWindow(name, &owner);
    auto* label = window->findChild<QLabel*>(QStringLiteral("Label2"));
    label->setText(QStringLiteral("kept"));
    QSignalSpy closed(window.get(), &SmallWindow::closedByFrame);
    bool hiddenWhenHeard = false;
    connect(window.get(), &SmallWindow::closedByFrame, this, [&] { hiddenWhenHeard = !window->isVisible(); });

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->close();
    QCoreApplication::processEvents();

    QCOMPARE(closed.count(), 1);
    QVERIFY(hiddenWhenHeard);
    QVERIFY(!window->isVisible());
    window->show();
    QCOMPARE(label->text(), QStringLiteral("kept"));
}

void SmallWindowTest::escapeIsCancel_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("on the slider") << "Slider1";
    QTest::newRow("on OK") << "Command2";
    QTest::newRow("on Cancel") << "Command1";
}

void SmallWindowTest::escapeIsCancel() {
    QFETCH(QString, focus);
    QWidget owner;
    SpeedWindow dialog(&owner);
    QSignalSpy cancel(dialog.cancelButton, &QPushButton::clicked);
    QSignalSpy ok(dialog.okButton, &QPushButton::clicked);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::keyClick(dialog.findChild<QWidget*>(focus), Qt::Key_Escape);
    QCOMPARE(cancel.count(), 1);
    QCOMPARE(ok.count(), 0);
    // The slider keeps its place: Escape is no slider key.
    QCOMPARE(dialog.speedSlider->value(), SpeedWindow::kNormal);
}

void SmallWindowTest::nameBoxReportsKeysBeforeActing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("textAfter");

    QTest::newRow("Enter") << int(Qt::Key_Return) << "" << 13 << "名前";
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "" << 13 << "名前";
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << 65 << "名前a";
    QTest::newRow("digit") << int(Qt::Key_7) << "7" << 55 << "名前7";
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "" << 8 << "名";
    QTest::newRow("Escape") << int(Qt::Key_Escape) << "" << 27 << "名前";
    QTest::newRow("F1") << int(Qt::Key_F1) << "" << 112 << "名前";
    QTest::newRow("a key without a code") << int(Qt::Key_Launch0) << "" << 0 << "名前";
}

void SmallWindowTest::nameBoxReportsKeysBeforeActing() {
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(int, code);
    QFETCH(QString, textAfter);

    QWidget owner;
    NameEntryWindow entry(&owner);
    entry.nameBox->setText(QStringLiteral("名前"));
    QList<int> codes;
    QStringList textsSeen;
    connect(entry.nameBox, &TextBox::keyDown, this, [&](int keyCode, int shift) {
        codes << keyCode;
        QCOMPARE(shift, 0);
        textsSeen << entry.nameBox->text();
    });

    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
    QApplication::sendEvent(entry.nameBox, &press);

    QCOMPARE(codes, QList<int>{code});
    QCOMPARE(textsSeen, QStringList{QStringLiteral("名前")});
    QCOMPARE(entry.nameBox->text(), textAfter);
}

void SmallWindowTest::nameBoxComesFirst() {
    QWidget owner;
    NameEntryWindow entry(&owner);
    QWidget* first = entry.nextInFocusChain();
    while (first != &entry && first->focusPolicy() == Qt::NoFocus) {
        first = first->nextInFocusChain();
    }
    QCOMPARE(first, entry.nameBox);
}

void SmallWindowTest::sliderReportsClickAfterMoving() {
    QWidget owner;
    SpeedWindow dialog(&owner);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QList<int> positionsSeen;
    connect(dialog.speedSlider, &Slider::clicked, this,
            [&] { positionsSeen << dialog.speedSlider->value(); });

    const QPoint rightEnd = onGroove(dialog.speedSlider, dialog.speedSlider->width() - 3);
    QTest::mouseClick(dialog.speedSlider, Qt::LeftButton, Qt::NoModifier, rightEnd);

    QCOMPARE(positionsSeen.size(), 1);
    QVERIFY(positionsSeen.first() > SpeedWindow::kNormal);
    QCOMPARE(positionsSeen.first(), dialog.speedSlider->value());

    // The right button is no click.
    QTest::mouseClick(dialog.speedSlider, Qt::RightButton, Qt::NoModifier, rightEnd);
    QCOMPARE(positionsSeen.size(), 1);
}

void SmallWindowTest::sliderReportsMovesAfterFollowing() {
    QWidget owner;
    SpeedWindow dialog(&owner);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    struct Move {
        int button;
        float x;
        int position;
    };
    QList<Move> moves;
    connect(dialog.speedSlider, &Slider::mouseMove, this, [&](int button, int, float x, float) {
        moves << Move{button, x, dialog.speedSlider->value()};
    });
    Slider* slider = dialog.speedSlider;
    const QPoint middle(slider->width() / 2, slider->height() / 2);
    const QPoint leftEnd(1, slider->height() / 2);

    // Over the slider without a button: reported, nothing moves.
    sendMouse(slider, QEvent::MouseMove, middle, Qt::NoButton, Qt::NoButton);
    QCOMPARE(moves.size(), 1);
    QCOMPARE(moves[0].button, 0);
    QCOMPARE(moves[0].x, float(middle.x() * 15));
    QCOMPARE(moves[0].position, SpeedWindow::kNormal);

    // Dragging the handle from the middle to the left end: the handler sees where the handle went.
    sendMouse(slider, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
    sendMouse(slider, QEvent::MouseMove, leftEnd, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(moves.size(), 2);
    QCOMPARE(moves[1].button, 1);
    QCOMPARE(moves[1].position, SpeedWindow::kSlowest);
    sendMouse(slider, QEvent::MouseButtonRelease, leftEnd, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(slider->value(), SpeedWindow::kSlowest);
}

void SmallWindowTest::staysUsableWhileOwnerIsDisabled() {
    QWidget owner;
    SpeedWindow speed(&owner);
    HighScoreTableWindow table(&owner);
    owner.setEnabled(false);
    QVERIFY(speed.isEnabled());
    QVERIFY(speed.okButton->isEnabled());
    QVERIFY(speed.speedSlider->isEnabled());
    QVERIFY(table.okButton->isEnabled());

    // A window made while the owner is disabled is usable too, and enabling the owner changes nothing.
    NameEntryWindow name(&owner);
    QVERIFY(name.nameBox->isEnabled());
    owner.setEnabled(true);
    QVERIFY(name.okButton->isEnabled());

    // A window that its handlers disable stays disabled.
    speed.setEnabled(false);
    owner.setEnabled(false);
    owner.setEnabled(true);
    QVERIFY(!speed.isEnabled());
}

void SmallWindowTest::startPositions() {
    QWidget owner;
    owner.setGeometry(40, 60, 430, 298);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const QPoint ownerCentre = owner.frameGeometry().center();
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    auto near = [](QPoint a, QPoint b) { return (a - b).manhattanLength() <= 2; };

    NameEntryWindow name(&owner);
    HighScoreTableWindow table(&owner);
    SpeedWindow speed(&owner);
    for (SmallWindow* window : {static_cast<SmallWindow*>(&name), static_cast<SmallWindow*>(&table),
                                static_cast<SmallWindow*>(&speed)}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    QVERIFY(near(name.frameGeometry().center(), ownerCentre));
    QVERIFY(near(table.frameGeometry().center(), screenCentre));
    QVERIFY(near(speed.frameGeometry().center(), ownerCentre));

    // Moved by the player and shown again: the speed window stays put, a new name entry opens centred.
    for (SmallWindow* window : {static_cast<SmallWindow*>(&name), static_cast<SmallWindow*>(&speed)}) {
        window->hide();
        window->move(window->pos() + QPoint(30, 20));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    QVERIFY(near(name.frameGeometry().center(), ownerCentre));
    QVERIFY(near(speed.frameGeometry().center(), ownerCentre + QPoint(30, 20)));
}

void SmallWindowTest::mainWindowCreatesEachOnce() {
    testing::TestPlatform platform;
    GameState state;
    const std::unique_ptr<MainWindow> owned = testing::freshGameWindow(platform.platform(), state);
    MainWindow& window = *owned;
    // The game connects each small window when it is told of it: told twice, every press would count twice.
    int madeSpeed = 0;
    QObject::connect(&window, &MainWindow::speedWindowCreated, [&madeSpeed] { ++madeSpeed; });

    SpeedWindow& speed = window.speedWindow();
    QCOMPARE(&window.speedWindow(), &speed);
    QCOMPARE(madeSpeed, 1);
    QCOMPARE(speed.parentWidget(), &window);
    QVERIFY(speed.isWindow());
    QVERIFY(!speed.isVisible());
    QCOMPARE(&window.nameEntryWindow(), &window.nameEntryWindow());
    QCOMPARE(&window.highScoreTableWindow(), &window.highScoreTableWindow());
    QCOMPARE(window.nameEntryWindow().parentWidget(), &window);
    QCOMPARE(window.highScoreTableWindow().parentWidget(), &window);

    // Closed with the frame and asked for again: the same window, its slider where the player left it.
    speed.speedSlider->setValue(SpeedWindow::kFastest);
    speed.show();
    speed.close();
    QCoreApplication::processEvents();
    QCOMPARE(&window.speedWindow(), &speed);
    QCOMPARE(window.speedWindow().speedSlider->value(), SpeedWindow::kFastest);
    QCOMPARE(madeSpeed, 1);

    // The game disables its main window while a small window is open.
    window.setEnabled(false);
    QVERIFY(window.speedWindow().okButton->isEnabled());
    QVERIFY(window.highScoreTableWindow().okButton->isEnabled());
    QVERIFY(window.nameEntryWindow().nameBox->isEnabled());
}

void SmallWindowTest::staysWithTheMainWindow_data() {
    closingOnlyHides_data();
}

void SmallWindowTest::staysWithTheMainWindow() {
    QFETCH(QString, name);
    testing::GameFixture game;
    MainWindow& window = game.window();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* small = name == QLatin1String("Form2")   ? static_cast<QWidget*>(&window.nameEntryWindow())
                     : name == QLatin1String("Form3") ? static_cast<QWidget*>(&window.highScoreTableWindow())
                                                      : static_cast<QWidget*>(&window.speedWindow());
    QCOMPARE(small->objectName(), name);
    window.setEnabled(false);
    small->show();
    QVERIFY(QTest::qWaitForWindowExposed(small));

    // A dialog-type window for the window system, transient for the main window: on X11 only those get
    // WM_TRANSIENT_FOR, which keeps them above their owner.
    QCOMPARE(small->windowHandle()->type(), Qt::Dialog);
    QCOMPARE(small->windowHandle()->transientParent(), window.windowHandle());
    QVERIFY(!(small->windowHandle()->flags() & Qt::WindowMaximizeButtonHint));

    // A window manager that ignores that raises and focuses the main window on a click; the press on the
    // disabled main window hands the focus back to the small window.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QPoint onField = window.playField->mapTo(&window, QPoint(4, 4));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onField);
    QTRY_COMPARE(QApplication::activeWindow(), small);
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onField);
}

}  // namespace kelvad
