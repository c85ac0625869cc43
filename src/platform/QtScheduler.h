// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Timer.h"

#include <QElapsedTimer>

#include <vector>

namespace kelvad::platform {

class QtTimer;

// The game's timers on precise QTimers. A hold stops every timer and remembers what it had left.
class QtScheduler final : public Scheduler {
public:
    QtScheduler();
    ~QtScheduler() override;

    std::unique_ptr<Timer> createTimer(bool enabled, int intervalMs) override;
    void hold() override;
    void release() override;

    bool held() const { return m_holds > 0; }

private:
    friend class QtTimer;
    void forget(QtTimer* timer);

    std::vector<QtTimer*> m_timers;
    int m_holds = 0;
};

}  // namespace kelvad::platform
