#include "game/Lifecycle.h"
#include "sound/MediaControl.h"
#include "ui/ImageBox.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"

namespace kelvad {

void StopPlay(MainWindow& window) {
    window.M1->setCommand(QStringLiteral("Close"));
    for (ImageBox* man : {window.I1, window.I2, window.I3}) {
        man->setEnabled(false);
        man->hide();
    }
    window.T4->setEnabled(false);
    for (PictureBox* plate : {window.D1, window.D2, window.D3}) {
        plate->hide();
        plate->setEnabled(false);
    }
    window.T7->setInterval(0);
    window.T8->setInterval(0);
    window.T9->setInterval(0);
    // The reload, the message bar and the plates each finish their pending tick on their own.
    window.T10->setEnabled(false);
    window.T11->setEnabled(false);
}

}  // namespace kelvad
