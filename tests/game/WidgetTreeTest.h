// SPDX-FileCopyrightText: 2026 The kelvad authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Every window as the player and the accessibility tree meet it, in each phase of a game, against a recorded
// copy: a change to any control's name, kind, caption, place, state, menu order, shortcut or tick shows up.
// In Japanese and in English, where no Japanese text may be left.
class WidgetTreeTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowInEveryPhaseIsAsRecorded_data();
    void everyWindowInEveryPhaseIsAsRecorded();
};
