// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

class WaveTest : public QObject {
    Q_OBJECT

private slots:
    void effect_data();
    void effect();
    void gunsSoundDifferent();
};

class TuneTest : public QObject {
    Q_OBJECT

private slots:
    void readerFollowsTheTempoMap();
    void battleCoversAGame();
};

}  // namespace kelvad
