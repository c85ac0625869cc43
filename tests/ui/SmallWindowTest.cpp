// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SmallWindowTest.h"
#include "MakeSmallWindow.h"

#include "FakePlatform.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/SpeedWindow.h"
#include "ui/TextBox.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

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
    QSignalSpy cancel(&dialog, &SpeedWindow::cancelled);
    QSignalSpy ok(&dialog, &SpeedWindow::confirmed);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::keyClick(dialog.findChild<QWidget*>(focus), Qt::Key_Escape);
    QCOMPARE(cancel.count(), 1);
    QCOMPARE(ok.count(), 0);
    // The slider keeps its place: Escape is no slider key.
    QCOMPARE(dialog.findChild<QSlider*>(QStringLiteral("Slider1"))->value(), SpeedWindow::kNormal);
}

void SmallWindowTest::nameBoxReportsKeysBeforeActing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("textAfter");

    QTest::newRow("Enter") << int(Qt::Key_Return) << ""
                           << "名前";
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << ""
                                  << "名前";
    QTest::newRow("letter") << int(Qt::Key_A) << "a"
                            << "名前a";
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << ""
                               << "名";
    QTest::newRow("Escape") << int(Qt::Key_Escape) << ""
                            << "名前";
}

void SmallWindowTest::nameBoxReportsKeysBeforeActing() {
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(QString, textAfter);

    QWidget owner;
    NameEntryWindow entry(&owner);
    auto* nameBox = entry.findChild<QLineEdit*>(QStringLiteral("Text1"));
    entry.open(QStringLiteral("一位"), QStringLiteral("名前"));
    nameBox->deselect();
    nameBox->end(false);
    QList<int> keys;
    QStringList textsSeen;
    connect(&entry, &NameEntryWindow::keyPressed, this, [&](Qt::Key pressed) {
        keys << pressed;
        textsSeen << nameBox->text();
    });
    QSignalSpy edits(&entry, &NameEntryWindow::nameEdited);

    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
    QApplication::sendEvent(nameBox, &press);

    QCOMPARE(keys, QList<int>{key});
    QCOMPARE(textsSeen, QStringList{QStringLiteral("名前")});
    QCOMPARE(nameBox->text(), textAfter);
    // What the box holds after the key reaches the game as the name.
    QCOMPARE(edits.isEmpty() ? QStringLiteral("名前") : edits.last().at(0).toString(), textAfter);
}

void SmallWindowTest::nameEntryOpensReadyForTyping() {
    QWidget owner;
    NameEntryWindow entry(&owner);
    entry.open(QStringLiteral("三位"), QStringLiteral("名前なし"));
    auto* nameBox = entry.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QCOMPARE(entry.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("三位"));
    QVERIFY(entry.isVisible());
    // The offered name is all selected, so that the first key typed replaces it; the box comes first.
    QCOMPARE(nameBox->selectedText(), QStringLiteral("名前なし"));
    QWidget* first = entry.nextInFocusChain();
    while (first != &entry && first->focusPolicy() == Qt::NoFocus) {
        first = first->nextInFocusChain();
    }
    QCOMPARE(first, nameBox);
}

void SmallWindowTest::sliderReportsTheHandAfterFollowingIt() {
    QWidget owner;
    SpeedWindow dialog(&owner);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* slider = dialog.findChild<Slider*>(QStringLiteral("Slider1"));
    // Each report with the position the player sees at that moment.
    QList<int> seen;
    connect(&dialog, &SpeedWindow::sliderTouched, this, [&] { seen << slider->value(); });
    QSignalSpy positions(&dialog, &SpeedWindow::positionChanged);

    // A click beside the handle: one step, reported once.
    const QPoint rightEnd = onGroove(slider, slider->width() - 3);
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, rightEnd);
    QCOMPARE(seen, QList<int>{SpeedWindow::kNormal + 1});
    // The right button is no click.
    QTest::mouseClick(slider, Qt::RightButton, Qt::NoModifier, rightEnd);
    QCOMPARE(seen.size(), 1);

    // Over the slider without a button: reported, nothing moves; then the handle dragged to the left end.
    dialog.showPosition(SpeedWindow::kNormal);
    seen.clear();
    const QPoint middle(slider->width() / 2, slider->height() / 2);
    const QPoint leftEnd(1, slider->height() / 2);
    sendMouse(slider, QEvent::MouseMove, middle, Qt::NoButton, Qt::NoButton);
    sendMouse(slider, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
    sendMouse(slider, QEvent::MouseMove, leftEnd, Qt::NoButton, Qt::LeftButton);
    sendMouse(slider, QEvent::MouseButtonRelease, leftEnd, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(slider->value(), SpeedWindow::kSlowest);
    QCOMPARE(seen, (QList<int>{SpeedWindow::kNormal, SpeedWindow::kSlowest, SpeedWindow::kSlowest}));

    // Keys and the wheel: reported when the handle moves, after it moved.
    seen.clear();
    QTest::keyClick(slider, Qt::Key_End);
    QTest::keyClick(slider, Qt::Key_End);
    QTest::keyClick(slider, Qt::Key_Left);
    QWheelEvent down(QPointF(middle), slider->mapToGlobal(QPointF(middle)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &down);
    QCOMPARE(seen, (QList<int>{SpeedWindow::kFastest, SpeedWindow::kFastest - 1, SpeedWindow::kFastest - 2}));
    // Every position it stood at was said, the game's own setting included.
    dialog.showPosition(SpeedWindow::kNormal);
    QCOMPARE(positions.last().at(0).toInt(), SpeedWindow::kNormal);
    QCOMPARE(seen.size(), 3);
}

void SmallWindowTest::staysUsableWhileOwnerIsDisabled() {
    QWidget owner;
    SpeedWindow speed(&owner);
    HighScoreTableWindow table(&owner);
    const auto usable = [](QWidget& window, const char* control) {
        return window.isEnabled() && window.findChild<QWidget*>(QLatin1String(control))->isEnabled();
    };
    owner.setEnabled(false);
    QVERIFY(usable(speed, "Command2"));
    QVERIFY(usable(speed, "Slider1"));
    QVERIFY(usable(table, "Command1"));

    // A window made while the owner is disabled is usable too, and enabling the owner changes nothing.
    NameEntryWindow name(&owner);
    QVERIFY(usable(name, "Text1"));
    owner.setEnabled(true);
    QVERIFY(usable(name, "Command1"));

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

void SmallWindowTest::mainWindowMakesEachOnce() {
    MainWindow window(testing::builtProgramDirectory());
    // Each small window is made on first use and then kept, with what it shows.
    window.showSpeedPosition(SpeedWindow::kFastest);
    window.showSpeedWindow(true);
    auto* speed = window.findChild<SpeedWindow*>(QStringLiteral("Form4"));
    QVERIFY(speed != nullptr);
    QCOMPARE(speed->parentWidget(), &window);
    QVERIFY(speed->isWindow());
    speed->close();
    QCoreApplication::processEvents();
    window.showSpeedWindow(true);
    QCOMPARE(window.findChildren<SpeedWindow*>().size(), 1);
    QCOMPARE(speed->findChild<QSlider*>(QStringLiteral("Slider1"))->value(), SpeedWindow::kFastest);
    window.openNameEntry(QStringLiteral("一位"), QStringLiteral("名前なし"));
    window.openNameEntry(QStringLiteral("二位"), QStringLiteral("名前なし"));
    window.showHighScoreTable(true);
    window.showHighScoreTable(true);
    QCOMPARE(window.findChildren<NameEntryWindow*>().size(), 1);
    QCOMPARE(window.findChildren<HighScoreTableWindow*>().size(), 1);
    QCOMPARE(window.highScoreTableWindow(), window.findChild<HighScoreTableWindow*>());

    // The game disables its main window while a small window is open.
    window.setEnabled(false);
    QVERIFY(speed->findChild<QWidget*>(QStringLiteral("Command2"))->isEnabled());
    QVERIFY(window.findChild<QLineEdit*>(QStringLiteral("Text1"))->isEnabled());
}

void SmallWindowTest::staysWithTheMainWindow_data() {
    closingOnlyHides_data();
}

void SmallWindowTest::staysWithTheMainWindow() {
    QFETCH(QString, name);
    MainWindow window(testing::builtProgramDirectory());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.openNameEntry(QString(), QString());
    window.showSpeedPosition(SpeedWindow::kNormal);
    window.showHighScoreTable(false);
    for (SmallWindow* each : window.findChildren<SmallWindow*>()) {
        each->hide();
    }
    auto* small = window.findChild<SmallWindow*>(name);
    QVERIFY(small != nullptr);
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
    const QPoint onField =
        window.findChild<QWidget*>(QStringLiteral("Picture1"))->mapTo(&window, QPoint(4, 4));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onField);
    QTRY_COMPARE(QApplication::activeWindow(), small);
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onField);
}

}  // namespace kelvad
