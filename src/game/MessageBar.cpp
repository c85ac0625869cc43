// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/MessageBar.h"

#include "platform/Timer.h"

namespace kelvad {

namespace {

constexpr int kShownMs = 1500;

}  // namespace

MessageBar::MessageBar(platform::Scheduler& scheduler)
    : m_clearTimer(scheduler.createTimer(false, kShownMs)) {
    m_clearTimer->setTickHandler([this] { clear(); });
}

MessageBar::~MessageBar() = default;

void MessageBar::setText(const QString& text) {
    m_text = text;
    emit textChanged(m_text);
}

void MessageBar::clearSoon() {
    m_clearTimer->setEnabled(true);
}

void MessageBar::clear() {
    setText(QString());
    m_clearTimer->setEnabled(false);
}

}  // namespace kelvad
