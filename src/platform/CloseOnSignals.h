// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <signal.h>
#include <array>
#include <memory>

class QSocketNotifier;
class QWidget;

namespace kelvad::platform {

// Turns SIGTERM (the desktop logging out) and SIGINT (Ctrl+C in a terminal) into a close of the window, as
// its frame's close control would close it. The handler only writes a byte into a socket; the close itself
// runs on the event loop, so a signal that arrives in the middle of a handler (a write of the high-score
// file, say) takes effect once that handler has finished. A second signal of the same kind ends the program
// the system's way, should the first find the event loop stuck. One object at a time; the old handlers come
// back with its end.
class CloseOnSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(CloseOnSignals)

public:
    explicit CloseOnSignals(QWidget& window);
    ~CloseOnSignals() override;

    // False when the socket or a handler could not be set up; the signals then keep their old handling.
    bool isActive() const { return m_notifier != nullptr; }

private:
    void closeWindow();

    QWidget& m_window;
    std::array<int, 2> m_sockets{-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_oldTerm {};
    struct sigaction m_oldInt {};
};

}  // namespace kelvad::platform
