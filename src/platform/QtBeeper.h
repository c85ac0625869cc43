// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Beeper.h"

namespace kelvad::platform {

// The desktop's own beep.
class QtBeeper final : public Beeper {
public:
    void beep() override;
};

}  // namespace kelvad::platform
