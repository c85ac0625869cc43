// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The shot mark and the fall of a man, drawn as the game draws them: mask by AND, sprite by XOR.
class SpriteTest : public QObject {
    Q_OBJECT

private slots:
    void pairDrawsCleanly_data();
    void pairDrawsCleanly();
    void shotMarkGrows();
    void fallLeavesOnlyTheLyingMan();
};

}  // namespace kelvad
