// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace kelvad {

// One row of the speed table: the score a game starts with and the jump intervals, in ms, of the black, the
// blue and the yellow man.
struct SpeedRow {
    std::int32_t startScore;
    std::array<std::int32_t, 3> manIntervals;
};

inline constexpr int kSlowestSpeed = 0;
inline constexpr int kNormalSpeed = 5;
inline constexpr int kFastestSpeed = 10;

// Slow games start in debt, fast ones with a credit: every step towards fast is worth 50 points more.
inline constexpr std::int32_t kSlowestStartScore = -250;
inline constexpr std::int32_t kStartScorePerStep = 50;
// A man's jump interval at the slowest speed, and how much sooner he jumps with every step towards fast.
struct ManRhythm {
    std::int32_t slowestMs;
    std::int32_t sooner;
};
inline constexpr std::array<ManRhythm, 3> kManRhythms{{{3000, 100}, {2000, 100}, {1000, 50}}};

// The row of a speed position; none outside 0..10.
constexpr std::optional<SpeedRow> speedRow(int position) {
    if (position < kSlowestSpeed || position > kFastestSpeed) {
        return std::nullopt;
    }
    const auto interval = [position](const ManRhythm& man) { return man.slowestMs - man.sooner * position; };
    return SpeedRow{kSlowestStartScore + kStartScorePerStep * position,
                    {interval(kManRhythms[0]), interval(kManRhythms[1]), interval(kManRhythms[2])}};
}

}  // namespace kelvad
