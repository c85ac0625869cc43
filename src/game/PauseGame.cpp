// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Lifecycle.h"
#include "platform/MessageBoxes.h"
#include "platform/Timer.h"
#include "sound/MediaControl.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>

namespace kelvad {

void PauseGame(MainWindow& window) {
    window.tune->setCommand(QStringLiteral("Pause"));
    {
        // A time-out holds the game: the clock, the men and every other timer wait for the box to close.
        platform::TimerHold hold(window.platform().scheduler);
        window.platform().messageBoxes.show(
            platform::BoxOwner::MainWindow, QCoreApplication::translate("MessageBox", "ケルバド解消ゲーム"),
            QCoreApplication::translate("MessageBox",
                                        "タイム中です。再会するには、ボタンをクリックしてください。"),
            platform::MessageButtons::Ok, platform::MessageIcon::None);
    }
    window.tune->setCommand(QStringLiteral("Play"));
}

}  // namespace kelvad
