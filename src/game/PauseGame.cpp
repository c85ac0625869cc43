#include "game/Lifecycle.h"
#include "platform/MessageBoxes.h"
#include "platform/Timer.h"
#include "sound/MediaControl.h"
#include "ui/Form1.h"

namespace kelvad {

void PauseGame(Form1& form) {
    form.M1->setCommand(QStringLiteral("Pause"));
    {
        // A time-out holds the game: the clock, the men and every other timer wait for the box to close.
        platform::TimerHold hold(form.platform().scheduler);
        form.platform().messageBoxes.show(
            form, QStringLiteral("ケルバド解消ゲーム"),
            QStringLiteral("タイム中です。再会するには、ボタンをクリックしてください。"),
            platform::MessageButtons::Ok, platform::MessageIcon::None);
    }
    form.M1->setCommand(QStringLiteral("Play"));
}

}  // namespace kelvad
