// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ServerStreamTest.h"

#include "SoundFiles.h"
#include "platform/GameSoundDevice.h"

#include <QDeadlineTimer>
#include <QMap>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

namespace kelvad {

namespace {

using Properties = QMap<QString, QString>;

const char* const gameName = "ケルバド解消ゲーム";
const char* const iconName = "jp.kelvad.Kelvad";
// The server and the sound need a moment; anything near this is a fault.
constexpr int patienceMs = 10'000;

QProcessEnvironment serverEnvironment(const QString& runtime) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), runtime);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), runtime);
    environment.insert(QStringLiteral("PULSE_SERVER"),
                       QStringLiteral("unix:") + runtime + QStringLiteral("/native"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return environment;
}

// `pactl list <what>`: one set of properties (and the owning client's index) per entry.
QList<Properties> listed(const QString& runtime, const QString& what) {
    QProcess pactl;
    pactl.setProcessEnvironment(serverEnvironment(runtime));
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), what});
    if (!pactl.waitForFinished(patienceMs) || pactl.exitCode() != 0) {
        return {};
    }
    QList<Properties> entries;
    for (const QString& line : QString::fromUtf8(pactl.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QString text = line.trimmed();
        if (!line.startsWith(QLatin1Char('\t')) && !text.isEmpty()) {
            entries.append(Properties{{QStringLiteral("#"), text}});
        } else if (const qsizetype equals = text.indexOf(QStringLiteral(" = \""));
                   equals > 0 && !entries.isEmpty()) {
            entries.last().insert(text.left(equals), text.mid(equals + 4).chopped(1));
        }
    }
    return entries;
}

QList<Properties> gameEntries(const QString& runtime, const QString& what) {
    QList<Properties> game;
    for (const Properties& entry : listed(runtime, what)) {
        if (entry.value(QStringLiteral("application.name")) == QString::fromUtf8(gameName)) {
            game.append(entry);
        }
    }
    return game;
}

// Waits for the server to show this many streams of the game.
bool streamsBecome(const QString& runtime, int count) {
    QDeadlineTimer deadline(patienceMs);
    while (!deadline.hasExpired()) {
        if (listed(runtime, QStringLiteral("sink-inputs")).size() == count) {
            return true;
        }
        QThread::msleep(20);
    }
    return false;
}

}  // namespace

void ServerStreamTest::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty()) {
        QSKIP("missing: pulseaudio and pactl (Debian packages pulseaudio, pulseaudio-utils)");
    }
    // A server of the test's own, with no sound card of the machine's: only a null sink, so nothing is
    // heard and nothing else plays into it.
    m_runtime = std::make_unique<QTemporaryDir>();
    const QString runtime = m_runtime->path();
    m_server = std::make_unique<QProcess>();
    m_server->setProcessEnvironment(serverEnvironment(runtime));
    m_server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server->start(QStringLiteral("pulseaudio"),
                    {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                     QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                     QStringLiteral("--log-target=stderr"), QStringLiteral("--log-level=error"),
                     QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + runtime +
                         QStringLiteral("/native"),
                     QStringLiteral("--load=module-null-sink sink_name=kelvad_test")});
    QVERIFY(m_server->waitForStarted(patienceMs));
    QDeadlineTimer deadline(patienceMs);
    while (listed(runtime, QStringLiteral("sinks")).isEmpty()) {
        QVERIFY2(!deadline.hasExpired(), "the test's PulseAudio server did not answer");
        QVERIFY2(m_server->state() == QProcess::Running, "the test's PulseAudio server stopped");
        QThread::msleep(20);
    }
    m_oldServer = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", serverEnvironment(runtime).value(QStringLiteral("PULSE_SERVER")).toUtf8());
}

void ServerStreamTest::cleanupTestCase() {
    qputenv("PULSE_SERVER", m_oldServer);
    if (m_server) {
        m_server->terminate();
        m_server->waitForFinished(patienceMs);
    }
}

void ServerStreamTest::oneStreamWhileSoundPlays() {
    const QString runtime = m_runtime->path();
    QTemporaryDir directory;
    const QString shot = directory.filePath(QStringLiteral("Gun1.Wav"));
    const QString longSound = directory.filePath(QStringLiteral("TO.Wav"));
    const QString tune = directory.filePath(QStringLiteral("Battle.Mid"));
    QVERIFY(testing::writeFile(shot, testing::toneWave(200)));
    QVERIFY(testing::writeFile(longSound, testing::toneWave(3000)));
    QVERIFY(testing::writeFile(tune, testing::midiFile({{0, 20'000}})));

    platform::GameSoundDevice device({gameName, iconName}, qEnvironmentVariable("KELVAD_PROGRAM_DIR"));
    device.startLoading();
    QVERIFY(device.sequencer().waitUntilReady(patienceMs));
    QVERIFY(device.hasWaveOutput());
    QVERIFY(device.hasMidiOutput());
    QCOMPARE(gameEntries(runtime, QStringLiteral("clients")).size(), 1);
    QVERIFY2(streamsBecome(runtime, 0), "no stream before anything sounds");

    device.playWave(longSound);
    QVERIFY(device.openMidi(tune));
    QCOMPARE(device.playMidi(tune, true), platform::SoundDevice::MidiStart::Started);
    device.playWave(shot);
    QVERIFY2(streamsBecome(runtime, 1), "effects and tune share one stream");
    const Properties stream = listed(runtime, QStringLiteral("sink-inputs")).constFirst();
    QCOMPARE(stream.value(QStringLiteral("application.name")), QString::fromUtf8(gameName));
    QCOMPARE(stream.value(QStringLiteral("application.icon_name")), QString::fromLatin1(iconName));
    QCOMPARE(stream.value(QStringLiteral("media.role")), QStringLiteral("game"));
    QCOMPARE(gameEntries(runtime, QStringLiteral("clients")).size(), 1);

    // The tune paused and the effects over: the stream goes, and comes back for the next shot alone.
    device.pauseMidi(tune);
    QVERIFY2(streamsBecome(runtime, 0), "no stream once all is quiet");
    device.playWave(shot);
    QVERIFY(streamsBecome(runtime, 1));
    QVERIFY(streamsBecome(runtime, 0));
    device.closeMidi(tune);
}

}  // namespace kelvad
