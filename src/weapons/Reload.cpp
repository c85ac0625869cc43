// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "weapons/Reload.h"

#include "platform/Timer.h"
#include "ui/MainWindow.h"
#include "weapons/Guns.h"

#include <QCoreApplication>
#include <QLabel>

namespace kelvad {

void RequestReload(MainWindow& window) {
    window.messageBar->setText(QCoreApplication::translate("MessageBar", "補給中…"));
    if (const int delay = currentGun(window).reloadMs; delay > 0) {
        window.reloadTimer->setInterval(delay);
        return;
    }
    window.messageBar->setText(QCoreApplication::translate("MessageBar", "この銃は補給ができません!!"));
    window.messageTimer->setEnabled(true);
}

void CompleteReload(MainWindow& window, GameState& state) {
    window.reloadTimer->setInterval(0);
    RefillMagazine(window, state);
    window.messageBar->setText(QCoreApplication::translate("MessageBar", "補給中完了!!"));
    window.messageTimer->setEnabled(true);
}

}  // namespace kelvad
