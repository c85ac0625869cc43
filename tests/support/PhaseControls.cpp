// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhaseControls.h"

#include "ui/MainWindow.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace kelvad::testing {

QStringList controlStates(MainWindow& window) {
    const auto enabled = [](const QString& name, bool on) { return name + (on ? u" on"_s : u" off"_s); };
    const auto shown = [](const QString& name, const QWidget* widget) {
        return name + (widget->isVisible() ? u" shown"_s : u" hidden"_s);
    };
    return {enabled(u"Form1"_s, window.isEnabled()),
            shown(u"TAITOLU(0)"_s, window.titlePanel),
            shown(u"TAITOLU(1)"_s, window.legendPanel),
            enabled(u"Command1"_s, window.startButton->isEnabled()),
            enabled(u"B1"_s, window.startAction->isEnabled()),
            enabled(u"B4"_s, window.highScoresAction->isEnabled()),
            enabled(u"A2"_s, window.optionsMenu->menuAction()->isEnabled()),
            enabled(u"B19"_s, window.pauseAction->isEnabled()),
            enabled(u"B21"_s, window.returnToStartAction->isEnabled()),
            enabled(u"Picture2"_s, window.timeBonusSquare->isEnabled()),
            u"Label20 "_s + window.killCountLabel->text()};
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
