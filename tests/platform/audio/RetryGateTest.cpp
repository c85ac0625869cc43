// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RetryGateTest.h"

#include "platform/audio/RetryGate.h"

#include <QTest>

namespace kelvad {

using namespace std::chrono_literals;
using platform::RetryGate;

void RetryGateTest::firstAttemptGoesThrough() {
    RetryGate gate(1s);
    QVERIFY(gate.tryAt(RetryGate::Clock::time_point(5h)));
}

void RetryGateTest::atMostOnceASecond() {
    RetryGate gate(1s);
    const RetryGate::Clock::time_point start(10s);
    QVERIFY(gate.tryAt(start));
    QVERIFY(!gate.tryAt(start));
    QVERIFY(!gate.tryAt(start + 999ms));
    // Refused attempts do not count: the next one is a second after the last that went through.
    QVERIFY(gate.tryAt(start + 1s));
    QVERIFY(!gate.tryAt(start + 1500ms));
    QVERIFY(gate.tryAt(start + 2s));
    QVERIFY(gate.tryAt(start + 1h));
}

}  // namespace kelvad
