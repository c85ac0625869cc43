// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhaseControls.h"

#include "game/Game.h"

using namespace Qt::StringLiterals;

namespace kelvad::testing {

QString enabledState(const QString& name, bool on) {
    return name + (on ? u" on"_s : u" off"_s);
}

QString shownState(const QString& name, bool on) {
    return name + (on ? u" shown"_s : u" hidden"_s);
}

QStringList controlStates(const Game& game) {
    const ControlStates& controls = game.controls();
    return {enabledState(u"Form1"_s, game.mainWindowEnabled()),
            shownState(u"TAITOLU(0)"_s, controls.titlePanelsShown()),
            shownState(u"TAITOLU(1)"_s, controls.titlePanelsShown()),
            enabledState(u"Command1"_s, controls.startButtonEnabled()),
            enabledState(u"B1"_s, controls.startItemsEnabled()),
            enabledState(u"B4"_s, controls.startItemsEnabled()),
            enabledState(u"A2"_s, controls.startItemsEnabled()),
            enabledState(u"B19"_s, controls.gameItemsEnabled()),
            enabledState(u"B21"_s, controls.gameItemsEnabled()),
            enabledState(u"Picture2"_s, controls.timeBonusEnabled()),
            u"Label20 "_s + QString::number(game.killCounter())};
}

QStringList readyControls() {
    return u"Form1 on|TAITOLU(0) shown|TAITOLU(1) shown|Command1 on|B1 on|B4 on|A2 on|B19 off|B21 off|"
           u"Picture2 on|Label20 0"_s.split(u'|');
}

QStringList playingControls() {
    return u"Form1 on|TAITOLU(0) hidden|TAITOLU(1) hidden|Command1 off|B1 off|B4 off|A2 off|B19 on|B21 on|"
           u"Picture2 off|Label20 0"_s.split(u'|');
}

}  // namespace kelvad::testing
