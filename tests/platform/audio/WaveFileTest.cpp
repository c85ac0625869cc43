// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaveFileTest.h"

#include "SoundFiles.h"
#include "platform/audio/WaveFile.h"
#include "platform/audio/WavePlayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace kelvad {

using platform::WaveFormat;
using platform::WaveSound;
using testing::WaveFields;

namespace {

WaveFields fields16(int frames) {
    WaveFields fields;
    fields.data = QByteArray(frames * 2, '\x10');
    return fields;
}

WaveFields with(WaveFields fields, const std::function<void(WaveFields&)>& change) {
    change(fields);
    return fields;
}

}  // namespace

void WaveFileTest::parse_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("sampleFormat");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("frameBytes");

    const WaveFields mono = fields16(100);
    QTest::newRow("16-bit mono, as the game's effects")
        << testing::waveBytes(mono) << true << int(WaveFormat::Sample::Int16) << 1 << 44100 << 200;
    QTest::newRow("8-bit stereo") << testing::waveBytes(with(mono,
                                                             [](WaveFields& s) {
                                                                 s.channels = 2;
                                                                 s.bitsPerSample = 8;
                                                                 s.sampleRate = 22050;
                                                             }))
                                  << true << int(WaveFormat::Sample::UInt8) << 2 << 22050 << 200;
    QTest::newRow("32-bit float") << testing::waveBytes(with(mono,
                                                             [](WaveFields& s) {
                                                                 s.formatTag = 3;
                                                                 s.bitsPerSample = 32;
                                                                 s.blockAlign = 4;
                                                             }))
                                  << true << int(WaveFormat::Sample::Float) << 1 << 44100 << 200;
    QTest::newRow("an odd-sized chunk before the format is skipped with its pad byte")
        << testing::waveBytes(
               with(mono, [](WaveFields& s) { s.chunksBefore = QByteArray("LIST\x03\0\0\0abc\0", 12); }))
        << true << int(WaveFormat::Sample::Int16) << 1 << 44100 << 200;
    QTest::newRow("data cut short keeps its whole frames")
        << testing::waveBytes(with(mono,
                                   [](WaveFields& s) {
                                       s.channels = 2;
                                       s.blockAlign = 4;
                                       s.data = QByteArray(103, '\x10');
                                       s.declaredDataSize = 4000;
                                   }))
        << true << int(WaveFormat::Sample::Int16) << 2 << 44100 << 100;

    const auto invalid = [](const char* name, const QByteArray& bytes) {
        QTest::newRow(name) << bytes << false << 0 << 0 << 0 << 0;
    };
    invalid("empty file", QByteArray());
    invalid("not RIFF", "RIFX" + testing::waveBytes(mono).mid(4));
    invalid("RIFF but not WAVE", testing::waveBytes(mono).replace(8, 4, "AVI "));
    invalid("compressed (ADPCM)", testing::waveBytes(with(mono, [](WaveFields& s) { s.formatTag = 2; })));
    invalid("24-bit samples", testing::waveBytes(with(mono, [](WaveFields& s) {
                s.bitsPerSample = 24;
                s.blockAlign = 3;
            })));
    invalid("block size that does not match",
            testing::waveBytes(with(mono, [](WaveFields& s) { s.blockAlign = 4; })));
    invalid("no channels", testing::waveBytes(with(mono, [](WaveFields& s) {
                s.channels = 0;
                s.blockAlign = 0;
            })));
    invalid("absurd sample rate", testing::waveBytes(with(mono, [](WaveFields& s) { s.sampleRate = 7; })));
    invalid("no samples", testing::waveBytes(with(mono, [](WaveFields& s) { s.data.clear(); })));
    invalid("no data chunk", testing::waveBytes(mono).left(36));
    invalid("format chunk cut off", testing::waveBytes(mono).left(30));
    invalid("no format chunk", testing::waveBytes(mono).remove(12, 24));
}

void WaveFileTest::parse() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);

    const std::optional<WaveSound> sound = platform::parseWave(bytes);
    QCOMPARE(sound.has_value(), valid);
    if (valid) {
        QFETCH(int, sampleFormat);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, frameBytes);
        QCOMPARE(int(sound->format.sample), sampleFormat);
        QCOMPARE(sound->format.channels, channels);
        QCOMPARE(sound->format.sampleRate, rate);
        QCOMPARE(sound->frames.size(), frameBytes);
    }
}

void WaveFileTest::convertsForTheMixer_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("frames");
    // The first frame's left and right samples, and the last frame's left.
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("right");
    QTest::addColumn<float>("lastLeft");

    WaveFields mono;
    mono.data = QByteArray("\x00\x40\x00\xC0", 4);
    QTest::newRow("16-bit mono goes to both sides") << testing::waveBytes(mono) << 2 << 0.5F << 0.5F << -0.5F;
    WaveFields stereo;
    stereo.channels = 2;
    stereo.bitsPerSample = 8;
    stereo.blockAlign = 2;
    stereo.sampleRate = 22050;
    stereo.data = QByteArray("\xC0\x40\x40\xC0", 4);
    QTest::newRow("8-bit stereo at half the rate: twice the frames, sides kept, steps joined")
        << testing::waveBytes(stereo) << 4 << 0.5F << -0.5F << -0.5F;
    WaveFields floats;
    floats.formatTag = 3;
    floats.bitsPerSample = 32;
    floats.blockAlign = 4;
    floats.sampleRate = 88200;
    const float samples[] = {0.25F, 1.0F, -0.75F, 0.0F};
    floats.data = QByteArray(reinterpret_cast<const char*>(samples), sizeof samples);
    QTest::newRow("float at twice the rate: every other frame")
        << testing::waveBytes(floats) << 2 << 0.25F << 0.25F << -0.75F;
}

void WaveFileTest::convertsForTheMixer() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, frames);
    QFETCH(float, left);
    QFETCH(float, right);
    QFETCH(float, lastLeft);

    const auto sound = platform::parseWave(bytes);
    QVERIFY(sound);
    const platform::MixedSound mixed = platform::toMixed(*sound);
    QCOMPARE(mixed.frames(), frames);
    QCOMPARE(mixed.samples[0], left);
    QCOMPARE(mixed.samples[1], right);
    QCOMPARE(mixed.samples[size_t(frames - 1) * 2], lastLeft);
}

void WaveFileTest::duration() {
    const auto sound = platform::parseWave(testing::toneWave(300));
    QVERIFY(sound);
    QCOMPARE(sound->durationMs(), 300);
}

void WaveFileTest::unreadableFiles() {
    QTemporaryDir directory;
    QVERIFY(!platform::readWaveFile(directory.filePath(QStringLiteral("Gun1.Wav"))));
    QVERIFY(!platform::readWaveFile(directory.path()));
    const QString spaced = directory.filePath(QStringLiteral("効果 音/Gun 1.Wav"));
    QVERIFY(testing::writeFile(spaced, testing::toneWave(50)));
    QVERIFY(platform::readWaveFile(spaced));
}

namespace {

// Records what reaches the output.
class RecordingOutput final : public platform::WaveOutput {
public:
    explicit RecordingOutput(QStringList& log, bool available = true) : m_log(log), m_available(available) {}
    bool available() const override { return m_available; }
    void start(std::shared_ptr<const platform::MixedSound> sound) override {
        m_log << QStringLiteral("start %1 ms").arg(sound->durationMs());
    }
    void stop() override { m_log << QStringLiteral("stop"); }

private:
    QStringList& m_log;
    bool m_available;
};

struct Player {
    explicit Player(bool available = true) : player(std::make_unique<RecordingOutput>(log, available)) {}
    QString file(const QString& name) const { return directory.filePath(name); }

    QTemporaryDir directory;
    QStringList log;
    platform::WavePlayer player;
};

}  // namespace

void WavePlayerTest::handsOverEachSound() {
    // The output cuts off the sound still playing; the player hands over every shot at once, with no stop of
    // its own in between that could leave a gap.
    Player p;
    QVERIFY(testing::writeFile(p.file("Gun1.Wav"), testing::toneWave(120)));
    QVERIFY(testing::writeFile(p.file("TO.Wav"), testing::toneWave(300)));
    p.player.play(p.file("Gun1.Wav"));
    p.player.play(p.file("TO.Wav"));
    p.player.stop();
    QCOMPARE(p.log, QStringList({"start 120 ms", "start 300 ms", "stop"}));
}

void WavePlayerTest::missingOrDamagedFilesAreSilent() {
    Player p;
    QVERIFY(testing::writeFile(p.file("Broken.Wav"), testing::toneWave(100).left(40)));
    QVERIFY(testing::writeFile(p.file("Text.Wav"), "not a sound at all"));
    for (const char* name : {"Missing.Wav", "Broken.Wav", "Text.Wav", ""}) {
        p.player.play(p.file(QString::fromLatin1(name)));
    }
    QElapsedTimer timer;
    timer.start();
    p.player.playToEnd(p.file("Missing.Wav"));
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(p.log, QStringList{});
}

void WavePlayerTest::keepsSoundsLoaded() {
    Player p;
    QVERIFY(testing::writeFile(p.file("Gun1.Wav"), testing::toneWave(120)));
    p.player.play(p.file("Gun1.Wav"));
    QVERIFY(QFile::remove(p.file("Gun1.Wav")));
    p.player.play(p.file("Gun1.Wav"));
    QCOMPARE(p.log, QStringList({"start 120 ms", "start 120 ms"}));
}

void WavePlayerTest::findsAFileThatTurnsUpLater() {
    Player p;
    p.player.play(p.file("UA.Wav"));
    QVERIFY(testing::writeFile(p.file("UA.Wav"), testing::toneWave(200)));
    p.player.play(p.file("UA.Wav"));
    QCOMPARE(p.log, QStringList({"start 200 ms"}));
}

void WavePlayerTest::nothingWithoutOutput() {
    Player p(false);
    QVERIFY(testing::writeFile(p.file("Gun1.Wav"), testing::toneWave(500)));
    QElapsedTimer timer;
    timer.start();
    p.player.play(p.file("Gun1.Wav"));
    p.player.playToEnd(p.file("Gun1.Wav"));
    p.player.stop();
    QVERIFY2(timer.elapsed() < 400, "playing to the end must not wait without an output");
    QVERIFY(!p.player.hasOutput());
    QCOMPARE(p.log, QStringList{});
}

void WavePlayerTest::playToEndWaitsForTheSound() {
    Player p;
    QVERIFY(testing::writeFile(p.file("ALI.Wav"), testing::toneWave(150)));
    QElapsedTimer timer;
    timer.start();
    p.player.playToEnd(p.file("ALI.Wav"));
    QVERIFY(timer.elapsed() >= 150);
    QCOMPARE(p.log, QStringList({"start 150 ms"}));
}

}  // namespace kelvad
