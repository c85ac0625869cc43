// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtSeamsTest.h"

#include "platform/CloseOnSignals.h"
#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

using kelvad::platform::MessageAnswer;
using kelvad::platform::MessageButtons;
using kelvad::platform::MessageIcon;

void QtSeamsTest::aMessageBoxBelongsToItsOwner_data() {
    QTest::addColumn<bool>("ownerShown");
    QTest::addColumn<bool>("otherActive");
    QTest::addColumn<bool>("ownerDisabled");
    QTest::newRow("another window is the active one") << true << true << false;
    QTest::newRow("no window is active") << false << false << false;
    // As the main window is while a small window is open.
    QTest::newRow("the owner is disabled") << true << true << true;
}

void QtSeamsTest::aMessageBoxBelongsToItsOwner() {
    QFETCH(bool, ownerShown);
    QFETCH(bool, otherActive);
    QFETCH(bool, ownerDisabled);
    QWidget owner;
    owner.setEnabled(!ownerDisabled);
    QWidget other;
    if (ownerShown) {
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
    }
    if (otherActive) {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    QWidget* parentOfBox = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    bool takesInput = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            parentOfBox = box->parentWidget();
            modality = box->windowModality();
            takesInput = box->isEnabled() && box->button(QMessageBox::Yes)->isEnabled();
            // As the player clicks it; a box that takes no input is ended, so that the test fails and goes
            // on.
            if (takesInput) {
                QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
            } else {
                box->done(QMessageBox::No);
            }
        }
    });
    kelvad::platform::QtMessageBoxes boxes;
    boxes.setWindows([&owner](kelvad::platform::BoxOwner) { return &owner; });
    const MessageAnswer answer =
        boxes.show(kelvad::platform::BoxOwner::MainWindow, QStringLiteral("確認"), QStringLiteral("?"),
                   MessageButtons::YesNo, MessageIcon::Question);
    QCOMPARE(parentOfBox, &owner);
    QCOMPARE(modality, Qt::ApplicationModal);
    QVERIFY(takesInput);
    QCOMPARE(answer, MessageAnswer::Yes);
}

void QtSeamsTest::aSignalClosesTheWindowOnTheEventLoop_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM, the desktop logging out") << SIGTERM;
    QTest::newRow("SIGINT, Ctrl+C in a terminal") << SIGINT;
}

void QtSeamsTest::aSignalClosesTheWindowOnTheEventLoop() {
    QFETCH(int, signal);
    QWidget window;
    window.show();
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("TOKUTEN"));
    {
        kelvad::platform::CloseOnSignals closeOnSignals(window);
        QVERIFY(closeOnSignals.isActive());
        // A signal in the middle of a write: the write goes on to its end, and only then is the window
        // closed.
        QSaveFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\"a\",\"b\",\"c\",");
        QVERIFY(::raise(signal) == 0);
        QVERIFY(window.isVisible());
        file.write("\"d\",\"e\"\r\n5,4,3,2,1\r\n");
        QVERIFY(file.commit());
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!window.isVisible());
        // A second signal of the kind ends the program the system's way, should the first find it stuck.
        struct sigaction now {};
        QVERIFY(::sigaction(signal, nullptr, &now) == 0);
        QVERIFY(now.sa_handler == SIG_DFL);
    }
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\"\r\n5,4,3,2,1\r\n"));
}
