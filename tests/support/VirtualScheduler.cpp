// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VirtualScheduler.h"

#include <algorithm>
#include <limits>

namespace kelvad::testing {

class VirtualTimer final : public platform::Timer {
public:
    VirtualTimer(VirtualScheduler& scheduler, bool enabled, int intervalMs, std::uint64_t order)
        : m_scheduler(scheduler), m_enabled(enabled), m_interval(intervalMs), m_order(order) {
        restart();
    }
    ~VirtualTimer() override { m_scheduler.forget(this); }

    bool enabled() const override { return m_enabled; }
    void setEnabled(bool on) override {
        m_scheduler.note(QStringLiteral("timer %1 %2").arg(m_order).arg(on ? u"on" : u"off"));
        m_enabled = on;
        restart();
    }
    int interval() const override { return m_interval; }
    void setInterval(int ms) override {
        m_scheduler.note(QStringLiteral("timer %1 interval %2").arg(m_order).arg(ms));
        m_interval = ms;
        restart();
    }

    bool running() const { return m_enabled && m_interval > 0; }
    std::int64_t due() const { return m_due; }
    std::uint64_t order() const { return m_order; }
    // A hold keeps what the wait had left; a wait begun during the hold starts whole when it ends.
    void freeze(std::int64_t now) { m_leftAtHold = m_due - now; }
    void thaw(std::int64_t now) { m_due = now + m_leftAtHold; }

    void fire(std::int64_t now) {
        m_due += m_interval;
        if (m_due <= now) {
            m_due = now + m_interval;
        }
        m_scheduler.note(QStringLiteral("timer %1 tick").arg(m_order));
        tick();
    }

private:
    void restart() {
        m_due = m_scheduler.now() + m_interval;
        m_leftAtHold = m_interval;
    }

    VirtualScheduler& m_scheduler;
    bool m_enabled;
    int m_interval;
    std::uint64_t m_order;
    std::int64_t m_due = 0;
    std::int64_t m_leftAtHold = 0;
};

VirtualScheduler::VirtualScheduler() = default;
VirtualScheduler::~VirtualScheduler() = default;

std::unique_ptr<platform::Timer> VirtualScheduler::createTimer(bool enabled, int intervalMs) {
    auto timer = std::make_unique<VirtualTimer>(*this, enabled, intervalMs, m_timers.size());
    m_timers.push_back(timer.get());
    return timer;
}

void VirtualScheduler::note(const QString& call) {
    calls << call;
    if (afterCall) {
        afterCall();
    }
}

void VirtualScheduler::hold() {
    note(QStringLiteral("hold"));
    if (m_holds++ == 0) {
        for (VirtualTimer* timer : m_timers) {
            timer->freeze(m_now);
        }
    }
}

void VirtualScheduler::release() {
    note(QStringLiteral("release"));
    if (m_holds > 0 && --m_holds == 0) {
        for (VirtualTimer* timer : m_timers) {
            timer->thaw(m_now);
        }
    }
}

VirtualTimer* VirtualScheduler::nextDue(std::int64_t until) const {
    VirtualTimer* next = nullptr;
    for (VirtualTimer* timer : m_timers) {
        if (!timer->running() || timer->due() > until) {
            continue;
        }
        if (next == nullptr || timer->due() < next->due() ||
            (timer->due() == next->due() && timer->order() < next->order())) {
            next = timer;
        }
    }
    return next;
}

void VirtualScheduler::advance(std::int64_t ms) {
    const std::int64_t target = m_now + ms;
    if (held()) {
        m_now = target;
        return;
    }
    while (VirtualTimer* timer = nextDue(target)) {
        m_now = std::max(m_now, timer->due());
        timer->fire(m_now);
    }
    // A tick may have let time pass inside it (a box answered later); time never runs backwards.
    m_now = std::max(m_now, target);
}

void VirtualScheduler::skip(std::int64_t ms) {
    m_now += ms;
}

std::int64_t VirtualScheduler::nextTickIn() const {
    VirtualTimer* next = nextDue(std::numeric_limits<std::int64_t>::max());
    return next == nullptr ? -1 : std::max<std::int64_t>(0, next->due() - m_now);
}

const platform::Timer& VirtualScheduler::timer(std::size_t order) const {
    return *m_timers.at(order);
}

void VirtualScheduler::forget(VirtualTimer* timer) {
    std::erase(m_timers, timer);
}

}  // namespace kelvad::testing
