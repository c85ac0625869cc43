// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Timer.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace kelvad::testing {

class VirtualTimer;

// A virtual clock for the game's timers. advance(ms) runs every tick that falls due, in time order (timers
// due at the same moment in the order they were made), including ticks of timers that a tick switched on.
// skip(ms) lets time pass without ticks, as a blocking wait on the user-interface thread does: what fell due
// meanwhile ticks once at the next advance, and its next wait counts from then.
class VirtualScheduler final : public platform::Scheduler {
public:
    VirtualScheduler();
    ~VirtualScheduler() override;

    std::unique_ptr<platform::Timer> createTimer(bool enabled, int intervalMs) override;
    void hold() override;
    void release() override;

    void advance(std::int64_t ms);
    void skip(std::int64_t ms);
    std::int64_t now() const { return m_now; }
    bool held() const { return m_holds > 0; }
    // Time to the next tick, or -1 when no timer runs.
    std::int64_t nextTickIn() const;
    // The timers alive, in the order they were made.
    std::size_t timerCount() const { return m_timers.size(); }
    const platform::Timer& timer(std::size_t order) const;

    // Every switch, interval and tick of a timer (named by the order it was made in) and every hold and
    // release, in order; afterCall runs once each is noted.
    QStringList calls;
    std::function<void()> afterCall;

private:
    friend class VirtualTimer;
    void forget(VirtualTimer* timer);
    void note(const QString& call);
    VirtualTimer* nextDue(std::int64_t until) const;

    std::vector<VirtualTimer*> m_timers;
    std::int64_t m_now = 0;
    int m_holds = 0;
};

}  // namespace kelvad::testing
