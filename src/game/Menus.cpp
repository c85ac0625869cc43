// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Menus.h"

#include "platform/Beeper.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"
#include "scores/NameEntry.h"
#include "ui/Gauge.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"

#include <QCoreApplication>

namespace kelvad {

void ShowHelp(MainWindow& window) {
    // Each language has a help page of its own, which its translation names.
    const QString helpFile =
        window.programFile(u'\\' + QCoreApplication::translate("HelpViewer", "Kelvad.Hlp"));
    if (const std::optional<QString> error = window.platform().helpViewer.showContents(helpFile)) {
        window.platform().messageBoxes.show(
            platform::BoxOwner::MainWindow, QCoreApplication::translate("MessageBox", "ケルバド解消ゲーム"),
            *error, platform::MessageButtons::Ok, platform::MessageIcon::None);
    }
}

void ShowVersion(MainWindow& window) {
    window.platform().messageBoxes.show(
        platform::BoxOwner::MainWindow, QCoreApplication::translate("MessageBox", "バージョン情報"),
        QCoreApplication::translate("MessageBox", "ケルバド解消ゲーム　Ver1.51"),
        platform::MessageButtons::Ok, platform::MessageIcon::None);
}

void EndProgram(MainWindow& window, GameState& state) {
    StorePendingEntry(window, state);
    // exit rather than quit: quit first asks every window to close, and closing a small window is one of its
    // ways out (the name entry's shows the table), which would keep the program running.
    QCoreApplication::exit(0);
}

void TimeBonusClick(MainWindow& window) {
    if (!window.timeBonusSquare->isEnabled()) {
        return;
    }
    window.platform().beeper.beep();
    window.timeGauge->setMax(kTimeBonusMax);
}

}  // namespace kelvad
