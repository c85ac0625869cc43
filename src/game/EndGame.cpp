// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Lifecycle.h"
#include "platform/MessageBoxes.h"
#include "scores/EndOfGame.h"
#include "state/GameState.h"
#include "ui/MainWindow.h"
#include "ui/Phase.h"

#include <QCoreApplication>

namespace kelvad {

void EndGame(MainWindow& window, GameState& state) {
    StopPlay(window);
    SetPhase(window, Phase::GameOver);
    window.platform().messageBoxes.show(
        platform::BoxOwner::MainWindow, QCoreApplication::translate("MessageBox", "ケルバド解消ゲーム"),
        QCoreApplication::translate("MessageBox", "あなたの得点は%1点です！").arg(state.score),
        platform::MessageButtons::Ok, platform::MessageIcon::None);
    OpenEndOfGameWindows(window, state);
}

}  // namespace kelvad
