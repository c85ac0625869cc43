// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <optional>

namespace kelvad::platform {

// Lets an attempt through at most once per interval, the first at once. The time is handed in, so that a
// test need not wait for it; nothing runs between attempts.
class RetryGate final {
public:
    using Clock = std::chrono::steady_clock;

    explicit RetryGate(Clock::duration interval) : m_interval(interval) {}

    // Whether an attempt may be made now; if so, it counts as made.
    bool tryAt(Clock::time_point now) {
        if (m_last && now - *m_last < m_interval) {
            return false;
        }
        m_last = now;
        return true;
    }

private:
    const Clock::duration m_interval;
    std::optional<Clock::time_point> m_last;
};

}  // namespace kelvad::platform
