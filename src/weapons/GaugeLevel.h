// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace kelvad {

// What a gauge shows: a value kept within 0 .. max, and the bar's colour as 0xRRGGBB. A new full scale pulls
// a value above it down; a value is never read back unclamped, so "one less" of a full bar after the time
// bonus starts from the bar, not from the game's time.
struct GaugeLevel {
    static constexpr std::uint32_t kNavy = 0x000080;

    void setValue(std::int32_t newValue) { value = newValue < 0 ? 0 : (newValue > max ? max : newValue); }
    void setMax(std::int32_t newMax) {
        max = newMax;
        setValue(value);
    }

    std::int32_t value = 0;
    std::int32_t max = 100;
    std::uint32_t barColor = kNavy;

    friend bool operator==(const GaugeLevel&, const GaugeLevel&) = default;
};

}  // namespace kelvad
