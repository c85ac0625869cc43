// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>

namespace kelvad::platform {

// A window timer: an enabled switch and an interval in milliseconds. Interval 0 never ticks. Switching it on,
// or giving it an interval while it is on, starts the wait afresh; after a tick the next wait begins.
class Timer {
public:
    virtual ~Timer() = default;

    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual int interval() const = 0;
    virtual void setInterval(int ms) = 0;

    void setTickHandler(std::function<void()> handler) { m_onTick = std::move(handler); }

protected:
    void tick() {
        if (m_onTick) {
            m_onTick();
        }
    }

private:
    std::function<void()> m_onTick;
};

// Makes the timers of the game and can hold them all: while held, no timer ticks, and on release each goes on
// with the time it had left. Holds nest.
class Scheduler {
public:
    virtual ~Scheduler() = default;

    virtual std::unique_ptr<Timer> createTimer(bool enabled, int intervalMs) = 0;
    virtual void hold() = 0;
    virtual void release() = 0;
};

// Holds every timer of a scheduler for the lifetime of the object.
class TimerHold {
public:
    explicit TimerHold(Scheduler& scheduler) : m_scheduler(scheduler) { m_scheduler.hold(); }
    ~TimerHold() { m_scheduler.release(); }
    TimerHold(const TimerHold&) = delete;
    TimerHold& operator=(const TimerHold&) = delete;

private:
    Scheduler& m_scheduler;
};

}  // namespace kelvad::platform
