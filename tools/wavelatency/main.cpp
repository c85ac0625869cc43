// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures how promptly and how completely the game's wave sounds play: the time PlayWave takes to return,
// the time from the call to the first sound arriving at a PulseAudio sink's monitor, and how much of the
// sound arrives, both when the game's stream has closed (idle) and while the tune keeps it open. Checks that
// a new sound cuts off the one still playing, and times the tune's start.
//
// Run by scripts/measure-wave-latency, which sets up a null sink and makes it the default output:
//   kelvad-wave-latency <sink> [trials] [program-dir] [recording.wav]
// With a program directory, the game's own sounds and tune are measured too; the recording of the whole run
// can be written out to listen to. The recorder asks for 100 ms blocks: a shorter one would pull PipeWire's
// cycle (its quantum) down to 256 frames and hide what the game alone gets.
//   kelvad-wave-latency --check <sink> <shots> <median-ms> <worst-ms> [<disruption command>]
// checks shots over a known tune instead, and exits 1 unless each was whole and on time (see check()); the
// sound tests run it against a private PulseAudio and a private PipeWire (tests/platform/audio). With
// KELVAD_RECORDING=FILE.wav it also writes what it recorded.

#include "SoundFiles.h"
#include "platform/GameSoundDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <numbers>
#include <thread>
#include <vector>

namespace {

constexpr int captureRate = 48000;
constexpr int toneMs = 300;
constexpr double toneAmplitude = 0.5;
// Loud enough to be the tone, well above the null sink's silence (exact zeros).
constexpr int threshold = 300;
constexpr int gapMs = 700;

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Records the sink's monitor through parec, remembering when each block arrived.
class Recorder {
public:
    explicit Recorder(const QString& sink) {
        const QByteArray latencyMs = qEnvironmentVariableIsSet("KELVAD_RECORDER_MS")
                                         ? qgetenv("KELVAD_RECORDER_MS")
                                         : QByteArray("100");
        const QByteArray command =
            "parec -d " + sink.toLocal8Bit() +
            ".monitor --raw --format=s16le --rate=48000 --channels=2 --latency-msec=" + latencyMs +
            " 2>/dev/null";
        m_pipe = popen(command.constData(), "r");
        if (m_pipe) {
            m_thread = std::thread([this] { run(); });
        }
    }
    ~Recorder() {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
        if (m_pipe) {
            pclose(m_pipe);
        }
    }
    bool ok() const { return m_pipe != nullptr; }
    size_t count() {
        std::lock_guard lock(m_mutex);
        return m_samples.size();
    }
    // When sample `index` reached the sink's monitor, on the steady clock: the recorder asks for 100 ms
    // blocks so as not to pull PipeWire's cycle down, so a block's arrival says little of when each of its
    // samples was taken. The samples are evenly spaced while the sink runs (PipeWire's stops while
    // suspended), so each block that arrived after the sample, up to a second on, bounds its time from
    // above: the soonest bound is taken.
    qint64 sampleNs(size_t index) {
        std::lock_guard lock(m_mutex);
        return timeOf(index);
    }
    // The first sample taken at or after `ns`, as sampleNs() times them.
    size_t indexAt(qint64 ns) {
        std::lock_guard lock(m_mutex);
        size_t low = 0;
        size_t high = m_samples.size();
        while (low < high) {
            const size_t middle = (low + high) / 2;
            if (timeOf(middle) < ns) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return low;
    }
    // The first loud sample at or after index from: its index and when it reached the monitor.
    struct Hit {
        size_t index = 0;
        qint64 arrivedNs = 0;
        bool found = false;
    };
    Hit firstLoud(size_t from, size_t to) { return firstLouderThan(from, to, threshold); }
    Hit firstLouderThan(size_t from, size_t to, int level) {
        std::lock_guard lock(m_mutex);
        for (size_t i = from; i < std::min(to, m_samples.size()); ++i) {
            if (std::abs(m_samples[i]) > level) {
                return {i, timeOf(i), true};
            }
        }
        return {};
    }
    size_t lastLoud(size_t from, size_t to) {
        std::lock_guard lock(m_mutex);
        size_t last = from;
        for (size_t i = from; i < std::min(to, m_samples.size()); ++i) {
            if (std::abs(m_samples[i]) > threshold) {
                last = i;
            }
        }
        return last;
    }
    QByteArray all() {
        std::lock_guard lock(m_mutex);
        return QByteArray(reinterpret_cast<const char*>(m_samples.data()),
                          static_cast<qsizetype>(m_samples.size() * sizeof(std::int16_t)));
    }
    // The amplitude of a steady tone of `hz` in each block of blockSamples from `from` on, as a share of
    // full scale (Goertzel): blocks of a few periods, so that a tune far below it hardly counts.
    std::vector<double> toneLevels(size_t from, size_t blocks, double hz) {
        std::lock_guard lock(m_mutex);
        std::vector<double> levels;
        const double coefficient = 2 * std::cos(2 * std::numbers::pi * hz / captureRate);
        for (size_t b = 0; b < blocks; ++b) {
            const size_t first = from + b * blockSamples;
            if (first + blockSamples > m_samples.size()) {
                break;
            }
            double s1 = 0;
            double s2 = 0;
            for (size_t i = first; i < first + blockSamples; ++i) {
                const double s0 = m_samples[i] / 32768.0 + coefficient * s1 - s2;
                s2 = s1;
                s1 = s0;
            }
            const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
            levels.push_back(2 * std::sqrt(std::max(0.0, power)) / blockSamples);
        }
        return levels;
    }
    static constexpr size_t blockSamples = captureRate / 500;
    int loudest(size_t from, size_t to) {
        std::lock_guard lock(m_mutex);
        int peak = 0;
        for (size_t i = from; i < std::min(to, m_samples.size()); ++i) {
            peak = std::max(peak, std::abs(int(m_samples[i])));
        }
        return peak;
    }

private:
    void run() {
        // Stereo, of which the left channel is kept: a downmix would scale the shot by the server's matrix.
        std::int16_t block[480];
        while (!m_stop) {
            const size_t n = fread(block, sizeof block[0], std::size(block), m_pipe) / 2;
            if (n == 0) {
                break;
            }
            std::lock_guard lock(m_mutex);
            for (size_t i = 0; i < n; ++i) {
                m_samples.push_back(block[2 * i]);
            }
            m_arrivals.emplace_back(m_samples.size(), nowNs());
        }
    }

    FILE* m_pipe = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<std::int16_t> m_samples;
    // (samples received so far, when) after each read.
    std::vector<std::pair<size_t, qint64>> m_arrivals;

    qint64 timeOf(size_t index) const {
        auto block =
            std::lower_bound(m_arrivals.begin(), m_arrivals.end(), index + 1,
                             [](const auto& arrival, size_t count) { return arrival.first < count; });
        qint64 best = std::numeric_limits<qint64>::max();
        for (; block != m_arrivals.end() && block->first - index < captureRate; ++block) {
            best = std::min(best,
                            block->second - static_cast<qint64>((block->first - index) * 1e9 / captureRate));
        }
        return best == std::numeric_limits<qint64>::max() ? nowNs() : best;
    }
};

QByteArray tone(int ms, double amplitude, int hz = 440) {
    const int frames = 44100 * ms / 1000;
    QByteArray pcm(frames * 2, Qt::Uninitialized);
    auto* samples = reinterpret_cast<std::int16_t*>(pcm.data());
    for (int i = 0; i < frames; ++i) {
        samples[i] =
            static_cast<std::int16_t>(amplitude * 32767 * std::sin(2 * std::numbers::pi * hz * i / 44100.0));
    }
    return pcm;
}

QByteArray wave(const QByteArray& pcm, int rate = 44100) {
    QByteArray out;
    const auto put = [&out](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    };
    out.append("RIFF");
    put(36 + pcm.size(), 4);
    out.append("WAVEfmt ");
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    out.append("data");
    put(pcm.size(), 4);
    return out + pcm;
}

void waitMs(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

struct Trial {
    double returnMs = 0;
    double onsetMs = -1;
    double heardMs = 0;
};

// Waits until the monitor has been silent for a while, so that no earlier sound runs into the next trial.
void waitForSilence(Recorder& recorder) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 3000) {
        const size_t now = recorder.count();
        const size_t window = captureRate / 5;
        if (now > window && recorder.loudest(now - window, now) <= threshold) {
            return;
        }
        waitMs(20);
    }
}

Trial measure(Recorder& recorder, const std::function<void()>& play) {
    waitForSilence(recorder);
    const size_t from = recorder.count();
    const qint64 start = nowNs();
    play();
    Trial trial;
    trial.returnMs = (nowNs() - start) / 1e6;
    waitMs(toneMs + gapMs);
    const size_t to = recorder.count();
    if (const auto hit = recorder.firstLoud(from, to); hit.found) {
        trial.onsetMs = (hit.arrivedNs - start) / 1e6;
        trial.heardMs = (recorder.lastLoud(hit.index, to) - hit.index) * 1000.0 / captureRate;
    }
    return trial;
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* name, const std::vector<Trial>& trials) {
    std::vector<double> returns, onsets, heard;
    int silent = 0;
    for (const Trial& t : trials) {
        returns.push_back(t.returnMs);
        if (t.onsetMs < 0) {
            ++silent;
        } else {
            onsets.push_back(t.onsetMs);
            heard.push_back(t.heardMs);
        }
    }
    const auto max = [](const std::vector<double>& v) {
        return v.empty() ? -1 : *std::max_element(v.begin(), v.end());
    };
    const auto min = [](const std::vector<double>& v) {
        return v.empty() ? -1 : *std::min_element(v.begin(), v.end());
    };
    std::printf(
        "%-34s return %5.2f ms (max %5.2f)  first sound %5.1f ms (max %5.1f)  heard %5.1f of %d ms (min "
        "%5.1f)%s\n",
        name, median(returns), max(returns), median(onsets), max(onsets), median(heard), toneMs, min(heard),
        silent ? qPrintable(QStringLiteral("  silent %1 of %2").arg(silent).arg(trials.size())) : "");
}

// Shots over the tune, each found by its own pitch: a steady tone well above the test tune's flute, whose
// level the recording shows block by block. Its energy there, against the energy of the whole shot, says
// whether the listener heard it from its first sample; its first loud block says when.
constexpr double shotHz = 5000;
constexpr int shotMs = 100;
constexpr double shotAmplitude = 0.6;

struct Shot {
    double onsetMs = -1;
    double share = 0;
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

// Plays `count` shots, one every spacingMs, and finds each in the recording.
std::vector<Shot> playShots(Recorder& recorder, kelvad::platform::GameSoundDevice& device,
                            const QString& file, int count, int spacingMs) {
    std::vector<qint64> presses;
    for (int i = 0; i < count; ++i) {
        presses.push_back(nowNs());
        device.playWave(file);
        waitMs(spacingMs);
    }
    waitMs(300);
    std::vector<Shot> shots;
    for (const qint64 press : presses) {
        Shot shot;
        // From a little before the press (the recording's clock bounds each sample's time from above) to
        // a little before the next.
        const size_t from = recorder.indexAt(press - 20'000'000);
        const size_t blocks = static_cast<size_t>(spacingMs) * captureRate / 1000 / Recorder::blockSamples;
        const std::vector<double> levels = recorder.toneLevels(from, blocks, shotHz);
        double energy = 0;
        for (size_t b = 0; b < levels.size(); ++b) {
            energy += levels[b] * levels[b];
            if (shot.onsetMs < 0 && levels[b] >= shotAmplitude / 2) {
                shot.onsetMs = (recorder.sampleNs(from + b * Recorder::blockSamples) - press) / 1e6;
            }
        }
        const double whole =
            shotAmplitude * shotAmplitude * shotMs * captureRate / 1000 / Recorder::blockSamples;
        shot.share = energy / whole;
        shots.push_back(shot);
    }
    return shots;
}

// How soon a shot must be heard after the press; zero leaves a figure unjudged.
struct OnsetLimits {
    double medianMs = 0;
    double worstMs = 0;
};

// Prints the shots' figures. True when, from `first` on, every shot was heard whole (at least 95 % of its
// energy, so from its first samples) and the onsets kept within their limits.
bool reportShots(const char* name, const std::vector<Shot>& shots, OnsetLimits limits, size_t first = 0) {
    std::vector<double> onsets;
    std::vector<double> judgedOnsets;
    double least = 1e9;
    int missing = 0;
    for (size_t i = 0; i < shots.size(); ++i) {
        const Shot& shot = shots[i];
        if (shot.onsetMs >= 0) {
            onsets.push_back(shot.onsetMs);
        }
        if (i < first) {
            continue;
        }
        least = std::min(least, shot.share);
        if (shot.share < 0.95 || shot.onsetMs < 0) {
            ++missing;
        } else {
            judgedOnsets.push_back(shot.onsetMs);
        }
    }
    const double judgedMedian = median(judgedOnsets);
    const double judgedWorst =
        judgedOnsets.empty() ? -1 : *std::max_element(judgedOnsets.begin(), judgedOnsets.end());
    const bool good = missing == 0 && !judgedOnsets.empty() &&
                      (limits.medianMs <= 0 || judgedMedian <= limits.medianMs) &&
                      (limits.worstMs <= 0 || judgedWorst <= limits.worstMs);
    std::printf(
        "%-34s heard %5.1f ms (max %5.1f) after the press; start missing in %d of %zu; least share "
        "of the shot's energy %5.1f %%; limits %.0f ms median, %.0f ms worst (0: none)%s\n",
        name, median(onsets), onsets.empty() ? -1.0 : *std::max_element(onsets.begin(), onsets.end()),
        missing, shots.size() - first, least * 100, limits.medianMs, limits.worstMs, good ? "" : "  FAIL");
    for (size_t i = 0; i < shots.size(); ++i) {
        std::printf("    shot %2zu: %6.1f ms, %5.1f %%%s\n", i + 1, shots[i].onsetMs, shots[i].share * 100,
                    i < first ? " (may be lost)" : "");
    }
    std::fflush(stdout);
    return good;
}

// kelvad-wave-latency --check <sink> <shots> <median-ms> <worst-ms> [<disruption command>]
// Shots over a known tune (a steady flute note), each checked whole and on time. With a command, it is run
// halfway (a server killed and started again, or the game's stream ended), and the shots after it, and a
// next game with its tune, must be heard again; the first shot after it may be lost.
int check(int argc, char** argv) {
    const QString sink = QString::fromLocal8Bit(argv[2]);
    const int count = std::max(1, std::atoi(argv[3]));
    const OnsetLimits limits{std::atof(argv[4]), std::atof(argv[5])};
    const char* disruption = argc > 6 ? argv[6] : nullptr;
    const QString moduleDir =
        qEnvironmentVariableIsSet("KELVAD_PROGRAM_DIR")
            ? qEnvironmentVariable("KELVAD_PROGRAM_DIR")
            : QCoreApplication::applicationDirPath() + QStringLiteral("/../../../kelvad");
    qputenv("PULSE_SINK", sink.toUtf8());
    auto recorder = std::make_unique<Recorder>(sink);
    const auto waitForRecorder = [&] {
        QElapsedTimer timer;
        timer.start();
        while (recorder->count() < captureRate / 4) {
            if (timer.elapsed() > 10'000) {
                return false;
            }
            QThread::msleep(5);
        }
        return true;
    };
    if (!recorder->ok() || !waitForRecorder()) {
        std::fprintf(stderr, "Cannot record %s.monitor with parec\n", qPrintable(sink));
        return 1;
    }
    QTemporaryDir directory;
    const QString shotFile = directory.filePath(QStringLiteral("Shot.Wav"));
    writeFile(shotFile, wave(tone(shotMs, shotAmplitude, int(shotHz))));
    const QString tune = directory.filePath(QStringLiteral("Flute.Mid"));
    writeFile(tune, kelvad::testing::midiFile({{0, 120'000, 60}}, 73));

    kelvad::platform::GameSoundDevice device({"kelvad-wave-latency", "jp.kelvad.Kelvad"}, moduleDir);
    device.startLoading();
    device.sequencer().waitUntilReady(10'000);
    if (!device.hasWaveOutput() || !device.hasMidiOutput()) {
        std::fprintf(stderr, "No sound output (%s) or no tune (%s)\n",
                     device.hasWaveOutput() ? "found" : "missing",
                     device.hasMidiOutput() ? "found" : "missing");
        return 1;
    }
    const int spacingMs = 400;
    bool good = reportShots("Shot alone, stream closed", playShots(*recorder, device, shotFile, 2, 700), {});
    device.openMidi(tune);
    device.playMidi(tune, true);
    waitMs(500);
    const int before = disruption ? std::max(2, count / 2) : count;
    good = reportShots("Shot over the tune", playShots(*recorder, device, shotFile, before, spacingMs),
                       limits) &&
           good;
    // With KELVAD_RECORDING set, the recording since the last disruption is written there as a wave file,
    // to listen to or to look at.
    const auto finish = [&] {
        if (qEnvironmentVariableIsSet("KELVAD_RECORDING")) {
            writeFile(qEnvironmentVariable("KELVAD_RECORDING"), wave(recorder->all(), captureRate));
        }
        return good ? 0 : 1;
    };
    if (!disruption) {
        device.closeMidi(tune);
        return finish();
    }
    QElapsedTimer disrupted;
    disrupted.start();
    const int status = std::system(disruption);
    std::printf("Disruption `%s` ran in %lld ms (exit %d)\n", disruption, disrupted.elapsed(), status);
    recorder = std::make_unique<Recorder>(sink);
    if (!recorder->ok() || !waitForRecorder()) {
        std::fprintf(stderr, "Cannot record %s.monitor again\n", qPrintable(sink));
        return 1;
    }
    // The game plays on; the first shot after may go into a connection still being made.
    good = reportShots("Shots after it, same game",
                       playShots(*recorder, device, shotFile, count - before + 1, spacingMs), limits, 1) &&
           good;
    device.closeMidi(tune);
    waitMs(500);
    const size_t tuneFrom = recorder->count();
    device.openMidi(tune);
    device.playMidi(tune, true);
    waitMs(800);
    const int tuneLevel = recorder->loudest(tuneFrom, recorder->count());
    std::printf("Next game: its tune's loudest sample %d (of 32767)\n", tuneLevel);
    good = tuneLevel > threshold && good;
    good =
        reportShots("Shots in the next game", playShots(*recorder, device, shotFile, 3, spacingMs), limits) &&
        good;
    device.closeMidi(tune);
    return finish();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc > 5 && std::strcmp(argv[1], "--check") == 0) {
        return check(argc, argv);
    }
    const QString sink = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("kelvad_latency_sink");
    const int trials = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const QString programDir = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const QString recording = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    const QString moduleDir = programDir.isEmpty()
                                  ? QCoreApplication::applicationDirPath() + QStringLiteral("/../../kelvad")
                                  : programDir;

    // Everything plays into the measured sink alone, and nothing else does: it is not the default output.
    qputenv("PULSE_SINK", sink.toUtf8());
    Recorder recorder(sink);
    if (!recorder.ok()) {
        std::fprintf(stderr, "Cannot record %s.monitor with parec\n", qPrintable(sink));
        return 1;
    }
    while (recorder.count() < captureRate / 4) {
        QThread::msleep(5);
    }

    QTemporaryDir directory;
    const QString toneFile = directory.filePath(QStringLiteral("Tone 300 ms.Wav"));
    const QByteArray pcm = tone(toneMs, toneAmplitude);
    {
        QFile file(toneFile);
        file.open(QIODevice::WriteOnly);
        file.write(wave(pcm));
    }

    QElapsedTimer made;
    made.start();
    kelvad::platform::GameSoundDevice device({"kelvad-wave-latency", "jp.kelvad.Kelvad"}, moduleDir);
    device.startLoading();
    device.sequencer().waitUntilReady(10'000);
    std::printf("Sound module loaded and connected in %.1f ms; output %s, tune %s\n",
                made.nsecsElapsed() / 1e6, device.hasWaveOutput() ? "found" : "missing",
                device.hasMidiOutput() ? "found" : "missing");
    if (!device.hasWaveOutput()) {
        return 1;
    }
    std::printf(
        "Figures: median (worst) of %d trials; a %d ms tone; each recorded sample is timed from the block\n"
        "that reached the recorder soonest after its last sample, so the times are upper bounds.\n\n",
        trials, toneMs);

    std::vector<Trial> results;
    device.playWave(toneFile);  // The first play reads the file; the game's first shot does the same.
    waitMs(toneMs + gapMs);
    for (int i = 0; i < trials; ++i) {
        results.push_back(measure(recorder, [&] { device.playWave(toneFile); }));
    }
    report("Effect, stream closed before", results);

    QString tune = programDir.isEmpty() ? QString() : QDir(programDir).filePath(QStringLiteral("Battle.Mid"));
    if (!programDir.isEmpty()) {
        for (const char* name : {"Gun1.Wav", "Gun2.Wav", "Gun3.Wav", "TO.Wav", "ALI.Wav", "UA.Wav"}) {
            const QString file = QDir(programDir).filePath(QString::fromLatin1(name));
            if (!QFile::exists(file)) {
                continue;
            }
            device.playWave(file);
            waitMs(toneMs + gapMs);
            results.clear();
            for (int i = 0; i < trials; ++i) {
                results.push_back(measure(recorder, [&] { device.playWave(file); }));
            }
            std::vector<double> onsets;
            for (const Trial& t : results) {
                onsets.push_back(t.onsetMs);
            }
            std::printf("%-34s first sound %5.1f ms (max %5.1f)\n",
                        qPrintable(QStringLiteral("Effect, ") + QString::fromLatin1(name)), median(onsets),
                        *std::max_element(onsets.begin(), onsets.end()));
        }
    }

    // A long quiet sound, cut after 300 ms by a short loud one: what follows the cut must be the loud one
    // alone, ending 300 ms later.
    const QString longFile = directory.filePath(QStringLiteral("Long.Wav"));
    const QString loudFile = directory.filePath(QStringLiteral("Loud.Wav"));
    {
        QFile file(longFile);
        file.open(QIODevice::WriteOnly);
        file.write(wave(tone(1500, 0.2, 330)));
        QFile loud(loudFile);
        loud.open(QIODevice::WriteOnly);
        loud.write(wave(tone(toneMs, 0.8, 660)));
    }
    device.playWave(longFile);
    device.playWave(loudFile);
    waitMs(1500 + gapMs);
    const size_t from = recorder.count();
    device.playWave(longFile);
    waitMs(300);
    device.playWave(loudFile);
    waitMs(1500 + gapMs);
    const size_t to = recorder.count();
    const auto first = recorder.firstLoud(from, to);
    const size_t last = recorder.lastLoud(from, to);
    const double spanMs = (last - first.index) * 1000.0 / captureRate;
    const size_t afterCut = last + captureRate / 50;
    const int tail = recorder.loudest(afterCut, to);
    std::printf(
        "\nCut-off: sound heard for %.0f ms in all (300 + %d expected, 1500 if not cut); after the end %s\n",
        spanMs, toneMs, tail < threshold ? "silence" : "the first sound goes on");

    if (tune.isEmpty() || !QFile::exists(tune)) {
        std::printf("(no Battle.Mid given: the tune is not measured)\n");
        return 0;
    }
    // The tune: from "play" to the first sound, with the stream closed before.
    waitMs(gapMs);
    const size_t tuneFrom = recorder.count();
    const qint64 start = nowNs();
    device.openMidi(tune);
    device.playMidi(tune, true);
    const double returned = (nowNs() - start) / 1e6;
    waitMs(1500);
    const auto tuneHit = recorder.firstLoud(tuneFrom, recorder.count());
    std::printf("\nTune %s: open and play return in %.2f ms, first sound after %.0f ms\n", qPrintable(tune),
                returned, tuneHit.found ? (tuneHit.arrivedNs - start) / 1e6 : -1.0);

    // Effects while the tune holds the stream open: a steady tone over the tune, found by its pitch, each
    // checked whole (the server may have taken part of what the output writes again for it).
    const QString shotFile = directory.filePath(QStringLiteral("Shot.Wav"));
    writeFile(shotFile, wave(tone(shotMs, shotAmplitude, int(shotHz))));
    reportShots("Effect over the tune", playShots(recorder, device, shotFile, trials, 400), {});

    device.pauseMidi(tune);
    const size_t pausedFrom = recorder.count() + captureRate / 5;
    waitMs(800);
    std::printf("Paused: loudest sample 200-800 ms after the pause %d (of 32767)\n",
                recorder.loudest(pausedFrom, recorder.count()));
    device.closeMidi(tune);
    if (!recording.isEmpty()) {
        QFile out(recording);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(wave(recorder.all(), captureRate));
            std::printf("Recording written to %s\n", qPrintable(recording));
        }
    }
    return 0;
}
