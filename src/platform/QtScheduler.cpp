// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtScheduler.h"

#include <QTimer>

#include <algorithm>

namespace kelvad::platform {

class QtTimer final : public Timer {
public:
    QtTimer(QtScheduler& scheduler, bool enabled, int intervalMs)
        : m_scheduler(scheduler), m_enabled(enabled), m_interval(intervalMs) {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { onTimeout(); });
        restart();
    }
    ~QtTimer() override { m_scheduler.forget(this); }

    bool enabled() const override { return m_enabled; }
    void setEnabled(bool on) override {
        m_enabled = on;
        restart();
    }
    int interval() const override { return m_interval; }
    void setInterval(int ms) override {
        m_interval = ms;
        restart();
    }

    void hold() {
        if (m_timer.isActive()) {
            m_leftAtHold = std::max(0, m_timer.remainingTime());
            m_timer.stop();
        } else {
            m_leftAtHold = -1;
        }
    }
    void release() {
        if (m_leftAtHold >= 0 && running()) {
            m_resuming = true;
            m_timer.start(m_leftAtHold);
        }
        m_leftAtHold = -1;
    }

private:
    bool running() const { return m_enabled && m_interval > 0; }

    void restart() {
        m_resuming = false;
        m_leftAtHold = -1;
        if (running() && !m_scheduler.held()) {
            m_timer.start(m_interval);
        } else {
            m_timer.stop();
            // A timer switched on during a hold starts its wait when the hold ends.
            if (running()) {
                m_leftAtHold = m_interval;
            }
        }
    }

    void onTimeout() {
        if (m_resuming) {
            // The rest of a held wait is over: back to the full interval.
            m_resuming = false;
            m_timer.start(m_interval);
        }
        tick();
    }

    QtScheduler& m_scheduler;
    QTimer m_timer;
    bool m_enabled;
    int m_interval;
    int m_leftAtHold = -1;
    bool m_resuming = false;
};

QtScheduler::QtScheduler() = default;
QtScheduler::~QtScheduler() = default;

std::unique_ptr<Timer> QtScheduler::createTimer(bool enabled, int intervalMs) {
    auto timer = std::make_unique<QtTimer>(*this, enabled, intervalMs);
    m_timers.push_back(timer.get());
    return timer;
}

void QtScheduler::hold() {
    if (m_holds++ == 0) {
        for (QtTimer* timer : m_timers) {
            timer->hold();
        }
    }
}

void QtScheduler::release() {
    if (m_holds > 0 && --m_holds == 0) {
        for (QtTimer* timer : m_timers) {
            timer->release();
        }
    }
}

void QtScheduler::forget(QtTimer* timer) {
    std::erase(m_timers, timer);
}

}  // namespace kelvad::platform
