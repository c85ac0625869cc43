// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/HighScoreWindow.h"

#include "platform/MessageBoxes.h"
#include "scores/HighScores.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/Phase.h"

#include <QCoreApplication>

namespace kelvad {

void OpenHighScoreWindow(MainWindow& window, GameState& state) {
    window.highScoreTableWindow().show();
    window.setEnabled(false);
    ReadHighScores(window, state);
}

namespace {

void giveBackTheMainWindow(MainWindow& window) {
    window.highScoreTableWindow().hide();
    window.setEnabled(true);
    window.show();
}

}  // namespace

void CloseHighScoreWindow(MainWindow& window) {
    giveBackTheMainWindow(window);
    SetPhase(window, Phase::Ready);
}

void CloseHighScoreWindowByFrame(MainWindow& window) {
    giveBackTheMainWindow(window);
    SetPhase(window, Phase::TableClosedByFrame);
}

void AskResetHighScores(MainWindow& window, GameState& state) {
    const platform::MessageAnswer answer = window.platform().messageBoxes.show(
        platform::BoxOwner::HighScoreTable, QCoreApplication::translate("MessageBox", "ｹﾙﾊﾞﾄﾞ解消ｹﾞｰﾑ"),
        QCoreApplication::translate("MessageBox", "データを初期化してもよろしいですか？"),
        platform::MessageButtons::OkCancel, platform::MessageIcon::Question);
    if (answer == platform::MessageAnswer::Ok) {
        ResetHighScores(window, state);
    }
}

}  // namespace kelvad
