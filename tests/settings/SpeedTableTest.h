// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// The speed table: what each slider position makes of the start score and the men's rhythms.
class SpeedTableTest : public QObject {
    Q_OBJECT

private slots:
    void eachPositionSetsItsRow_data();
    void eachPositionSetsItsRow();
};
