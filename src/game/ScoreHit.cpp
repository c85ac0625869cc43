#include "game/Lifecycle.h"
#include "game/Shots.h"
#include "game/Targets.h"
#include "platform/Sleeper.h"
#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QLabel>

namespace kelvad {

std::pair<float, float> manPosition(int k) {
    switch (k) {
        case 2:
            return {gameState.manX2, gameState.manY2};
        case 3:
            return {gameState.manX3, gameState.manY3};
        default:
            return {gameState.manX1, gameState.manY1};
    }
}

void HitMan(Form1& form, int k) {
    ScoreHit(form, k);
    // Counted after the scoring: the hit that reaches a new stage still scores with the old bonus.
    CountKill(form);
    form.hitCount += 1;
    UpdateHitRate(form);
    gameState.bonusCharge += kMen.at(static_cast<std::size_t>(k - 1)).bonusCharge;
}

void ScoreHit(Form1& form, int k) {
    gameState.score += kMen.at(static_cast<std::size_t>(k - 1)).points + form.stageBonus;
    form.TOKUTEN->setText(QString::number(gameState.score));
    ImageBox* man = manImage(form, k);
    man->hide();
    man->setEnabled(false);
    const auto [left, top] = manPosition(k);
    KnockDownAnimation(form, left, top);
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
