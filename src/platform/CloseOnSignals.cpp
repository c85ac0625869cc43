// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/CloseOnSignals.h"

#include <QSocketNotifier>
#include <QWidget>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

namespace kelvad::platform {

namespace {

// A signal handler can reach nothing but what is static: the socket end it writes into.
volatile std::sig_atomic_t signalSocket = -1;

extern "C" void noteSignal(int number) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    // Nothing else here is safe in a signal handler; a full socket already holds a close.
    [[maybe_unused]] const ssize_t written = ::write(signalSocket, &byte, 1);
    errno = savedErrno;
}

bool setNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags != -1 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) != -1;
}

bool install(int number, struct sigaction& old) {
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    // The next signal of the kind takes the system's way; interrupted system calls go on.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    return ::sigaction(number, &action, &old) == 0;
}

}  // namespace

CloseOnSignals::CloseOnSignals(QWidget& window) : m_window(window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, m_sockets.data()) != 0) {
        m_sockets = {-1, -1};
        return;
    }
    if (!setNonBlocking(m_sockets[0]) || !setNonBlocking(m_sockets[1])) {
        return;
    }
    signalSocket = m_sockets[0];
    if (!install(SIGTERM, m_oldTerm)) {
        return;
    }
    if (!install(SIGINT, m_oldInt)) {
        ::sigaction(SIGTERM, &m_oldTerm, nullptr);
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_sockets[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &CloseOnSignals::closeWindow);
}

CloseOnSignals::~CloseOnSignals() {
    if (m_notifier) {
        ::sigaction(SIGTERM, &m_oldTerm, nullptr);
        ::sigaction(SIGINT, &m_oldInt, nullptr);
        m_notifier.reset();
    }
    signalSocket = -1;
    for (const int fd : m_sockets) {
        if (fd != -1) {
            ::close(fd);
        }
    }
}

void CloseOnSignals::closeWindow() {
    unsigned char bytes[16];
    while (::read(m_sockets[1], bytes, sizeof(bytes)) > 0) {
    }
    m_window.close();
}

}  // namespace kelvad::platform
