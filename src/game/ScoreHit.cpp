// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Lifecycle.h"
#include "game/PlayField.h"
#include "game/Shots.h"
#include "game/Targets.h"
#include "platform/Sleeper.h"
#include "state/GameState.h"
#include "ui/ImageBox.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"

#include <QLabel>

namespace kelvad {

void HitMan(MainWindow& window, GameState& state, int man) {
    ScoreHit(window, state, man);
    // Counted after the scoring: the hit that reaches a new stage still scores with the old bonus.
    CountKill(window, state);
    state.hitCount += 1;
    UpdateHitRate(window, state);
    state.bonusCharge += kMen[pieceIndex(man)].bonusCharge;
}

void ScoreHit(MainWindow& window, GameState& state, int man) {
    state.score += kMen[pieceIndex(man)].points + state.stageBonus;
    window.scoreLabel->setText(QString::number(state.score));
    ImageBox* image = manImage(window, man);
    image->hide();
    image->setEnabled(false);
    const FieldPoint& place = manPlace(state, man);
    KnockDownAnimation(window, place.left, place.top);
}

void KnockDownAnimation(MainWindow& window, float left, float top) {
    // The fall stays painted on the field until the background is replaced.
    window.playField->setAutoRedraw(true);
    for (std::size_t j = 0; j < window.fallFrames.size(); ++j) {
        window.playField->paintPicture(window.fallMasks[j]->picture(), left, top,
                                       PictureBox::RasterOp::SrcAnd);
        window.playField->paintPicture(window.fallFrames[j]->picture(), left, top,
                                       PictureBox::RasterOp::SrcInvert);
        window.platform().sleeper.wait(kKnockDownFrameMs);
        window.playField->refresh();
    }
    window.playField->setAutoRedraw(false);
}

}  // namespace kelvad
