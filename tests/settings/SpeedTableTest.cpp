// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpeedTableTest.h"

#include "settings/SpeedTable.h"
#include "state/GameState.h"

#include <QTest>

void SpeedTableTest::eachPositionSetsItsRow_data() {
    QTest::addColumn<int>("position");
    // The start score, then the black, blue and yellow man's interval in ms.
    QTest::addColumn<QList<int>>("row");
    QTest::newRow("0, slowest: in debt") << 0 << QList<int>{-250, 3000, 2000, 1000};
    QTest::newRow("1") << 1 << QList<int>{-200, 2900, 1900, 950};
    QTest::newRow("5, normal: even") << 5 << QList<int>{0, 2500, 1500, 750};
    QTest::newRow("7") << 7 << QList<int>{100, 2300, 1300, 650};
    QTest::newRow("10, fastest: in credit") << 10 << QList<int>{250, 2000, 1000, 500};
    // Outside the table nothing changes: the values set before stay.
    QTest::newRow("-1: outside") << -1 << QList<int>{7, 7, 7, 7};
    QTest::newRow("11: outside") << 11 << QList<int>{7, 7, 7, 7};
}

void SpeedTableTest::eachPositionSetsItsRow() {
    QFETCH(int, position);
    QFETCH(QList<int>, row);
    kelvad::GameState state;
    state.startScore = state.manIntervals[0] = state.manIntervals[1] = state.manIntervals[2] = 7;
    kelvad::ApplySpeedTable(state, position);
    QCOMPARE(
        QList<int>({state.startScore, state.manIntervals[0], state.manIntervals[1], state.manIntervals[2]}),
        row);
}
