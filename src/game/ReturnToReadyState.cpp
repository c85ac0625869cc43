#include "game/Lifecycle.h"
#include "platform/MessageBoxes.h"
#include "platform/Timer.h"
#include "sound/MediaControl.h"
#include "ui/Form1.h"
#include "ui/Phase.h"

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
    StopPlay(form);
    SetPhase(form, Phase::Ready);
}

}  // namespace kelvad
