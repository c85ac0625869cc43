// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The three small windows as designed: captions, sizes, controls, fonts, and how they look.
class DialogLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void windows_data();
    void windows();
    void controls_data();
    void controls();
    void scoreRowsLineUp();
    void scoresAlignRight();
    void namesAreShownAsTyped();
    void speedSlider();
    void captionsRenderInJapaneseFonts();
};

}  // namespace kelvad
