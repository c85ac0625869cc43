// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ClockRandomSource.h"

#include <chrono>

namespace kelvad::platform {

void ClockRandomSource::reseedFromClock() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto nanoseconds =
        static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    // The golden-ratio step spreads consecutive counts over the whole seed space.
    m_engine.seed(nanoseconds ^ (++m_reseeds * 0x9E3779B97F4A7C15ULL));
}

double ClockRandomSource::next() {
    return std::generate_canonical<double, 53>(m_engine);
}

}  // namespace kelvad::platform
