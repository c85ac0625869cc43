// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/RandomSource.h"

#include <cstdint>
#include <random>

namespace kelvad::platform {

// Random numbers from a generator that each reseed draws afresh from the clock.
class ClockRandomSource final : public RandomSource {
public:
    void reseedFromClock() override;
    double next() override;

private:
    std::mt19937_64 m_engine{std::random_device{}()};
    std::uint64_t m_reseeds = 0;
};

}  // namespace kelvad::platform
