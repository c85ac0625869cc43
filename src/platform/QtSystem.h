// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Beeper.h"
#include "platform/RandomSource.h"
#include "platform/Sleeper.h"

#include <cstdint>
#include <random>

namespace kelvad::platform {

class QtBeeper final : public Beeper {
public:
    void beep() override;
};

class ThreadSleeper final : public Sleeper {
public:
    void wait(int ms) override;
};

// A Mersenne Twister reseeded from the steady clock's nanoseconds. A running count is mixed into every seed,
// so that reseeds within one clock reading (the three men jumping in the same instant) still differ.
class ClockRandomSource final : public RandomSource {
public:
    void reseedFromClock() override;
    double next() override;

private:
    std::mt19937_64 m_engine{std::random_device{}()};
    std::uint64_t m_reseeds = 0;
};

}  // namespace kelvad::platform
