#include "game/Lifecycle.h"
#include "platform/MessageBoxes.h"
#include "scores/EndOfGame.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/Phase.h"

namespace kelvad {

void EndGame(Form1& form) {
    StopPlay(form);
    SetPhase(form, Phase::GameOver);
    form.platform().messageBoxes.show(form, QStringLiteral("ケルバド解消ゲーム"),
                                      QStringLiteral("あなたの得点は%1点です！").arg(gameState.score),
                                      platform::MessageButtons::Ok, platform::MessageIcon::None);
    OpenEndOfGameWindows(form);
}

}  // namespace kelvad
