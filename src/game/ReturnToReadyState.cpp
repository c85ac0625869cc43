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
            form, QStringLiteral("確認"), QStringLiteral("起動した状態に戻しますか？"),
            platform::MessageButtons::YesNo, platform::MessageIcon::Question);
    }
    if (answer != platform::MessageAnswer::Yes) {
        form.M1->setCommand(QStringLiteral("Play"));
        return;
    }
    form.Picture2->setEnabled(true);
    StopPlay(form);
    form.Command1->setEnabled(true);
    form.B1->setEnabled(true);
    form.B4->setEnabled(true);
    form.B19->setEnabled(false);
    form.B21->setEnabled(false);
    form.A2->menuAction()->setEnabled(true);
    form.Label20->setText(QStringLiteral("0"));
}

}  // namespace kelvad
