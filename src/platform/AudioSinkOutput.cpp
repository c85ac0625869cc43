#include "platform/AudioSinkOutput.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

namespace kelvad::platform {

// Lives on the output's thread. Each sound gets a fresh sink in push mode with all of its frames written at
// once: the output then starts as soon as it has them and plays them to the last frame. (A sink that pulls
// its data is fed by a timer and starts a period later; QSoundEffect was heard to drop the end of short
// effects.)
class SinkWorker final : public QObject {
public:
    explicit SinkWorker(const QAudioDevice& device) : m_device(device) {}

    void start(const QAudioFormat& format, const QByteArray& frames) {
        stop();
        m_sink = std::make_unique<QAudioSink>(
            m_device.isNull() ? QMediaDevices::defaultAudioOutput() : m_device, format);
        if (QIODevice* input = m_sink->start()) {
            input->write(frames);
        }
    }

    void stop() {
        if (m_sink) {
            m_sink->reset();
            m_sink.reset();
        }
    }

private:
    const QAudioDevice m_device;
    std::unique_ptr<QAudioSink> m_sink;
};

AudioSinkOutput::AudioSinkOutput(const QAudioDevice& device)
    : m_devices(std::make_unique<QMediaDevices>()), m_worker(std::make_unique<SinkWorker>(device)) {
    m_available = !QMediaDevices::audioOutputs().isEmpty();
    QObject::connect(m_devices.get(), &QMediaDevices::audioOutputsChanged, m_devices.get(),
                     [this] { m_available = !QMediaDevices::audioOutputs().isEmpty(); });
    m_thread.setObjectName(QStringLiteral("kelvad-wave"));
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

AudioSinkOutput::~AudioSinkOutput() {
    QMetaObject::invokeMethod(
        m_worker.get(), [worker = m_worker.get()] { worker->stop(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void AudioSinkOutput::start(const WaveSound& sound) {
    QMetaObject::invokeMethod(
        m_worker.get(),
        [worker = m_worker.get(), format = sound.format, frames = sound.frames] {
            worker->start(format, frames);
        },
        Qt::QueuedConnection);
}

void AudioSinkOutput::stop() {
    QMetaObject::invokeMethod(
        m_worker.get(), [worker = m_worker.get()] { worker->stop(); }, Qt::QueuedConnection);
}

}  // namespace kelvad::platform
