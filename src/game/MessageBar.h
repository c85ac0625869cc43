// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace kelvad {

namespace platform {
class Scheduler;
class Timer;
}  // namespace platform

// The message bar over the play field: a text, and a timer that empties it 1.5 s after it is switched on.
class MessageBar final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(MessageBar)

public:
    explicit MessageBar(platform::Scheduler& scheduler);
    ~MessageBar() override;

    const QString& text() const { return m_text; }
    void setText(const QString& text);
    // The bar empties 1.5 s from now (switching the timer on again starts the wait afresh).
    void clearSoon();

signals:
    void textChanged(const QString& text);

private:
    void clear();

    QString m_text;
    std::unique_ptr<platform::Timer> m_clearTimer;
};

}  // namespace kelvad
