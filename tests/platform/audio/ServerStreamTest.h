// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace kelvad {

// The game as a desktop's mixer sees it, against a PulseAudio server of the test's own with a null sink: one
// stream, named as the game, while something sounds, and none once all is quiet.
class ServerStreamTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void oneStreamWhileSoundPlays();

private:
    std::unique_ptr<QTemporaryDir> m_runtime;
    std::unique_ptr<QProcess> m_server;
    QByteArray m_oldServer;
};

}  // namespace kelvad
