#include "game/Lifecycle.h"
#include "game/PlayField.h"
#include "game/Shots.h"
#include "game/Targets.h"
#include "platform/Sleeper.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QLabel>

namespace kelvad {

void HitMan(Form1& form, int man) {
    ScoreHit(form, man);
    // Counted after the scoring: the hit that reaches a new stage still scores with the old bonus.
    CountKill(form);
    form.hitCount += 1;
    UpdateHitRate(form);
    gameState.bonusCharge += kMen[pieceIndex(man)].bonusCharge;
}

void ScoreHit(Form1& form, int man) {
    gameState.score += kMen[pieceIndex(man)].points + form.stageBonus;
    form.TOKUTEN->setText(QString::number(gameState.score));
    ImageBox* image = manImage(form, man);
    image->hide();
    image->setEnabled(false);
    const FieldPlace place = manPlace(man);
    KnockDownAnimation(form, place.left, place.top);
}

void KnockDownAnimation(Form1& form, float left, float top) {
    // The fall stays painted on the field until the background is replaced.
    form.Picture1->setAutoRedraw(true);
    for (std::size_t j = 0; j < form.P.size(); ++j) {
        form.Picture1->paintPicture(form.q[j]->picture(), left, top, PictureBox::RasterOp::SrcAnd);
        form.Picture1->paintPicture(form.P[j]->picture(), left, top, PictureBox::RasterOp::SrcInvert);
        form.platform().sleeper.wait(kKnockDownFrameMs);
        form.Picture1->refresh();
    }
    form.Picture1->setAutoRedraw(false);
}

}  // namespace kelvad
