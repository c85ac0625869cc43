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
