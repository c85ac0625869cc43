// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Sleeper.h"

namespace kelvad::platform {

// A wait that holds the thread it runs on, and with it the event loop: the animations' frames stay on screen
// for their time, and what the player does meanwhile is handled after.
class ThreadSleeper final : public Sleeper {
public:
    void wait(int ms) override;
};

}  // namespace kelvad::platform
