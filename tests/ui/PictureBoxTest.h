// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class PictureBoxTest : public QObject {
    Q_OBJECT

private slots:
    void maskAndSpriteShowTheSpriteColoursOnAnyBackground_data();
    void maskAndSpriteShowTheSpriteColoursOnAnyBackground();
    void xorTwiceRestoresTheField();
    void screenOnlyDrawingIsWipedByARefresh();
    void retainedDrawingSurvivesARefreshUntilThePictureIsReplaced();
    void aSmallerPictureLeavesTheBackColourAround();
    void anUnreadablePictureLeavesTheFieldAsItWas();
};
