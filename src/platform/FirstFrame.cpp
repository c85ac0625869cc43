// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace kelvad::platform {

namespace {

class FirstExpose final : public QObject {
public:
    FirstExpose(QWidget& window, std::function<void()> work) : QObject(&window), m_work(std::move(work)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // The expose is handled, and the frame painted, before the queued work runs.
            QTimer::singleShot(0, parent(), std::move(m_work));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

}  // namespace

void afterFirstFrame(QWidget& window, std::function<void()> work) {
    window.winId();
    window.windowHandle()->installEventFilter(new FirstExpose(window, std::move(work)));
}

}  // namespace kelvad::platform
