// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtBeeper.h"

#include <QApplication>

namespace kelvad::platform {

void QtBeeper::beep() {
    QApplication::beep();
}

}  // namespace kelvad::platform
