// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Lifecycle.h"
#include "sound/MediaControl.h"
#include "ui/ImageBox.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"

namespace kelvad {

void StopPlay(MainWindow& window) {
    window.tune->setCommand(QStringLiteral("Close"));
    for (ImageBox* man : {window.men[0], window.men[1], window.men[2]}) {
        man->setEnabled(false);
        man->hide();
    }
    window.gameClock->setEnabled(false);
    for (PictureBox* plate : {window.plates[0], window.plates[1], window.plates[2]}) {
        plate->hide();
        plate->setEnabled(false);
    }
    for (const std::unique_ptr<platform::Timer>& jumps : window.manJumpTimers) {
        jumps->setInterval(0);
    }
    // The reload, the message bar and the plates each finish their pending tick on their own.
    window.civilianArrivalTimer->setEnabled(false);
    window.civilianDepartureTimer->setEnabled(false);
}

}  // namespace kelvad
