// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The timer rules the game relies on, on the virtual clock that every game test runs on.
#include "QtSeamsTest.h"
#include "ScoreDirectoryTest.h"
#include "VirtualScheduler.h"
#include "WindowTestMain.h"
#include "platform/Platform.h"

#include <QTest>

#include <vector>

using kelvad::platform::Timer;
using kelvad::testing::VirtualScheduler;

namespace {

struct Recorder {
    std::vector<std::pair<char, std::int64_t>> ticks;
    void attach(Timer& timer, char name, VirtualScheduler& clock) {
        timer.setTickHandler([this, name, &clock] { ticks.emplace_back(name, clock.now()); });
    }
};

}  // namespace

class SchedulerTest : public QObject {
    Q_OBJECT

private slots:
    void intervalZeroNeverTicks() {
        VirtualScheduler clock;
        auto timer = clock.createTimer(true, 0);
        Recorder recorder;
        recorder.attach(*timer, 'a', clock);
        clock.advance(100000);
        QVERIFY(recorder.ticks.empty());
        QCOMPARE(clock.nextTickIn(), -1);
    }

    void positiveIntervalWhileEnabledStartsIt() {
        VirtualScheduler clock;
        auto timer = clock.createTimer(true, 0);
        Recorder recorder;
        recorder.attach(*timer, 'a', clock);
        clock.advance(300);
        timer->setInterval(750);
        clock.advance(1600);
        const std::vector<std::pair<char, std::int64_t>> expected{{'a', 1050}, {'a', 1800}};
        QCOMPARE(recorder.ticks, expected);
    }

    void disabledTimerHoldsItsIntervalAndRestartsAfresh() {
        VirtualScheduler clock;
        auto timer = clock.createTimer(false, 500);
        Recorder recorder;
        recorder.attach(*timer, 'a', clock);
        clock.advance(1000);
        QVERIFY(recorder.ticks.empty());
        timer->setEnabled(true);
        clock.advance(400);
        // Switching it on again starts the wait afresh.
        timer->setEnabled(true);
        clock.advance(499);
        QVERIFY(recorder.ticks.empty());
        clock.advance(1);
        QCOMPARE(recorder.ticks.size(), std::size_t{1});
        QCOMPARE(recorder.ticks.front().second, std::int64_t{1900});
    }

    void ticksRunInTimeOrderWithTiesInCreationOrder() {
        VirtualScheduler clock;
        auto slow = clock.createTimer(true, 1000);
        auto fast = clock.createTimer(true, 500);
        Recorder recorder;
        recorder.attach(*slow, 's', clock);
        recorder.attach(*fast, 'f', clock);
        clock.advance(2000);
        const std::vector<std::pair<char, std::int64_t>> expected{{'f', 500},  {'s', 1000}, {'f', 1000},
                                                                  {'f', 1500}, {'s', 2000}, {'f', 2000}};
        QCOMPARE(recorder.ticks, expected);
    }

    void aTimerSwitchedOnByATickTicksWithinTheSameAdvance() {
        VirtualScheduler clock;
        auto first = clock.createTimer(true, 100);
        auto second = clock.createTimer(false, 50);
        Recorder recorder;
        first->setTickHandler([&] {
            recorder.ticks.emplace_back('1', clock.now());
            first->setInterval(0);
            second->setEnabled(true);
        });
        second->setTickHandler([&] {
            recorder.ticks.emplace_back('2', clock.now());
            second->setEnabled(false);
        });
        clock.advance(1000);
        const std::vector<std::pair<char, std::int64_t>> expected{{'1', 100}, {'2', 150}};
        QCOMPARE(recorder.ticks, expected);
    }

    void aHoldFreezesEveryTimerWithTheTimeItHadLeft() {
        VirtualScheduler clock;
        auto timer = clock.createTimer(true, 500);
        Recorder recorder;
        recorder.attach(*timer, 'a', clock);
        clock.advance(300);
        {
            kelvad::platform::TimerHold hold(clock);
            clock.advance(10000);
            QVERIFY(recorder.ticks.empty());
        }
        // 200 ms were left when the hold began.
        clock.advance(199);
        QVERIFY(recorder.ticks.empty());
        clock.advance(1);
        QCOMPARE(recorder.ticks.size(), std::size_t{1});
        QCOMPARE(recorder.ticks.front().second, std::int64_t{10500});
    }

    void skippedTimeTicksOnceAtTheNextAdvance() {
        VirtualScheduler clock;
        auto timer = clock.createTimer(true, 100);
        Recorder recorder;
        recorder.attach(*timer, 'a', clock);
        clock.skip(350);
        clock.advance(0);
        clock.advance(100);
        const std::vector<std::pair<char, std::int64_t>> expected{{'a', 350}, {'a', 450}};
        QCOMPARE(recorder.ticks, expected);
    }

    void programFilesJoinWithForwardSlashes() {
        QCOMPARE(kelvad::platform::programFile(QStringLiteral("/opt/a b"), QStringLiteral("\\Gun1.Wav")),
                 QStringLiteral("/opt/a b/Gun1.Wav"));
        QCOMPARE(
            kelvad::platform::programFile(QStringLiteral("/g"), QStringLiteral("\\pictures\\cursor.png")),
            QStringLiteral("/g/pictures/cursor.png"));
    }
};

KELVAD_TEST_MAIN(SchedulerTest, ScoreDirectoryTest, QtSeamsTest)

#include "SchedulerTest.moc"
