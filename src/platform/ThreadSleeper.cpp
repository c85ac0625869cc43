// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ThreadSleeper.h"

#include <QThread>

namespace kelvad::platform {

void ThreadSleeper::wait(int ms) {
    if (ms > 0) {
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

}  // namespace kelvad::platform
