// Measures how promptly and how completely the game's wave sounds play: the time PlayWave takes to return,
// the time from the call to the first sound arriving at a PulseAudio sink's monitor, and how much of the
// sound arrives, both when the game's stream has closed (idle) and while the tune keeps it open. Checks that
// a new sound cuts off the one still playing, and times the tune's start.
//
// Run by scripts/measure-wave-latency, which sets up a null sink and makes it the default output:
//   kelvad-wave-latency <sink> [trials] [program-dir] [recording.wav]
// With a program directory, the game's own sounds and tune are measured too; the recording of the whole run
// can be written out to listen to.

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
#include <functional>
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
        const QByteArray command =
            "parec -d " + sink.toLocal8Bit() +
            ".monitor --raw --format=s16le --rate=48000 --channels=1 --latency-msec=5 2>/dev/null";
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
    // The first loud sample at or after index from: its index and when its block arrived.
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
                const auto block =
                    std::upper_bound(m_arrivals.begin(), m_arrivals.end(), i,
                                     [](size_t index, const auto& a) { return index < a.first; });
                return {i, block == m_arrivals.end() ? 0 : block->second, true};
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
        std::int16_t block[240];
        while (!m_stop) {
            const size_t n = fread(block, sizeof block[0], std::size(block), m_pipe);
            if (n == 0) {
                break;
            }
            std::lock_guard lock(m_mutex);
            m_samples.insert(m_samples.end(), block, block + n);
            m_arrivals.emplace_back(m_samples.size(), nowNs());
        }
    }

    FILE* m_pipe = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<std::int16_t> m_samples;
    // (samples received so far, when) after each block.
    std::vector<std::pair<size_t, qint64>> m_arrivals;
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

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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
        "Figures: median (worst) of %d trials; a %d ms tone; times to the first sound include the\n"
        "recording path (blocks of 5 ms), so they are upper bounds.\n\n",
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

    // Effects while the tune holds the stream open: a loud tone over the tune, found by its level.
    const QString loudTone = directory.filePath(QStringLiteral("Loud tone.Wav"));
    {
        QFile file(loudTone);
        file.open(QIODevice::WriteOnly);
        file.write(wave(tone(toneMs, 0.95, 2000)));
    }
    std::vector<double> overTune;
    for (int i = 0; i < trials; ++i) {
        const size_t before = recorder.count();
        const qint64 shot = nowNs();
        device.playWave(loudTone);
        waitMs(toneMs + gapMs);
        const auto hit = recorder.firstLouderThan(before, recorder.count(), 27000);
        if (hit.found) {
            overTune.push_back((hit.arrivedNs - shot) / 1e6);
        }
    }
    std::printf("Effect over the tune: first sound %5.1f ms (max %5.1f), found in %zu of %d trials\n",
                median(overTune),
                overTune.empty() ? -1.0 : *std::max_element(overTune.begin(), overTune.end()),
                overTune.size(), trials);

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
