#include "game/Lifecycle.h"
#include "platform/MessageBoxes.h"
#include "platform/Timer.h"
#include "sound/MediaControl.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace kelvad {

void ReturnToReadyState(Form1& form) {
    form.M1->setCommand(QStringLiteral("Pause"));
    platform::MessageAnswer answer;
    {
        // The game holds while the question is open, as in a time-out.
        platform::TimerHold hold(form.platform().scheduler);
        answer = form.platform().messageBoxes.show(
            QStringLiteral("確認"), QStringLiteral("起動した状態に戻しますか？"),
            platform::MessageButtons::YesNo, platform::MessageIcon::Question);
    }
    if (answer != platform::MessageAnswer::Yes) {
        form.M1->setCommand(QStringLiteral("Play"));
        return;
    }
    form.Picture2->setEnabled(true);
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
    form.T10->setEnabled(false);
    form.T11->setEnabled(false);
    form.TAITOLU[0]->show();
    form.TAITOLU[1]->show();
    form.Command1->setEnabled(true);
    form.B1->setEnabled(true);
    form.B4->setEnabled(true);
    form.B19->setEnabled(false);
    form.B21->setEnabled(false);
    form.A2->menuAction()->setEnabled(true);
    form.Label20->setText(QStringLiteral("0"));
}

}  // namespace kelvad
