// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

class PictureTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fileFormatAndSize_data();
    void fileFormatAndSize();
    void stagesGrowDarker();
    void menStandOutOnEveryStage_data();
    void menStandOutOnEveryStage();
    void blackManKeepsALightEdgeAtNight();
    void civilianIsLightWithHandsUp();
    void plateMiddleKeepsDigitsReadable_data();
    void plateMiddleKeepsDigitsReadable();
    void cursorPointsAtItsHotSpot();
    void iconSvgIsWellFormed();
};

}  // namespace kelvad
