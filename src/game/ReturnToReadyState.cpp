// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Lifecycle.h"
#include "platform/MessageBoxes.h"
#include "platform/Timer.h"
#include "sound/MediaControl.h"
#include "ui/MainWindow.h"
#include "ui/Phase.h"

#include <QCoreApplication>

namespace kelvad {

void ReturnToReadyState(MainWindow& window) {
    window.tune->setCommand(QStringLiteral("Pause"));
    platform::MessageAnswer answer;
    {
        // The game holds while the question is open, as in a time-out.
        platform::TimerHold hold(window.platform().scheduler);
        answer = window.platform().messageBoxes.show(
            platform::BoxOwner::MainWindow, QCoreApplication::translate("MessageBox", "確認"),
            QCoreApplication::translate("MessageBox", "起動した状態に戻しますか？"),
            platform::MessageButtons::YesNo, platform::MessageIcon::Question);
    }
    if (answer != platform::MessageAnswer::Yes) {
        window.tune->setCommand(QStringLiteral("Play"));
        return;
    }
    StopPlay(window);
    SetPhase(window, Phase::Ready);
}

}  // namespace kelvad
