#include "game/Lifecycle.h"
#include "sound/MediaControl.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

namespace kelvad {

void StopPlay(Form1& form) {
    form.M1->setCommand(QStringLiteral("Close"));
    for (ImageBox* man : {form.I1, form.I2, form.I3}) {
        man->setEnabled(false);
        man->hide();
    }
    form.T4->setEnabled(false);
    for (PictureBox* plate : {form.D1, form.D2, form.D3}) {
        plate->hide();
        plate->setEnabled(false);
    }
    form.T7->setInterval(0);
    form.T8->setInterval(0);
    form.T9->setInterval(0);
    // The reload, the message bar and the plates each finish their pending tick on their own.
    form.T10->setEnabled(false);
    form.T11->setEnabled(false);
}

}  // namespace kelvad
