// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kelvad::platform {

// The random numbers that place the men, the civilian and the bonus plates.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    // A value uniform in [0, 1).
    virtual double next() = 0;
};

}  // namespace kelvad::platform
