// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The gauge, pixel by pixel, in the lasting image of the box it draws into.
class GaugeTest : public QObject {
    Q_OBJECT

private slots:
    void horizontalBar_data();
    void horizontalBar();
    void loweringMaxClampsValue();
    void verticalBar_data();
    void verticalBar();
    void otherStyleDrawsNoBar();
    void textReadsWhiteOnBarAndBarColourBeside();
    void anotherBackColor();
    void everyAssignmentRedraws();
    void newTargetIsDrawnEmpty();
    void drawingIsRetainedAndShown();
    void drawingWhileHiddenSurvivesShowing();
    void logicalHeightRoundsHalvesToEven();
    void fullScaleOfZeroOrLessDrawsNoBar_data();
    void fullScaleOfZeroOrLessDrawsNoBar();
    void withoutTargetOnlyStores();
};

}  // namespace kelvad
