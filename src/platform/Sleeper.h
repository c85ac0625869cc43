// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad::platform {

// A blocking wait on the user-interface thread, used between the frames of short animations.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void wait(int ms) = 0;
};

}  // namespace kelvad::platform
