#include "platform/WaveFile.h"

#include <QFile>

#include <cstdint>

namespace kelvad::platform {

namespace {

constexpr std::uint16_t formatPcm = 1;
constexpr std::uint16_t formatFloat = 3;
constexpr std::uint16_t formatExtensible = 0xFFFE;
constexpr int headerSize = 12;
constexpr int chunkHeaderSize = 8;
constexpr int plainFormatSize = 16;
// The sub-format code sits at this offset of an extensible format chunk.
constexpr int extensibleSubFormatOffset = 24;
constexpr int maxChannels = 8;
constexpr int minSampleRate = 1000;
constexpr int maxSampleRate = 384000;
// Nothing the game plays is longer than a jingle; a bigger file is not a sound effect.
constexpr qint64 maxFileBytes = 64 * 1024 * 1024;

std::uint16_t u16(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1])
                                                                             << 8);
}

std::uint32_t u32(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint32_t>(u16(b, at)) | static_cast<std::uint32_t>(u16(b, at + 2)) << 16;
}

std::optional<QAudioFormat::SampleFormat> sampleFormat(std::uint16_t tag, int bits) {
    if (tag == formatPcm) {
        switch (bits) {
            case 8:
                return QAudioFormat::UInt8;
            case 16:
                return QAudioFormat::Int16;
            case 32:
                return QAudioFormat::Int32;
            default:
                return std::nullopt;
        }
    }
    if (tag == formatFloat && bits == 32) {
        return QAudioFormat::Float;
    }
    return std::nullopt;
}

std::optional<QAudioFormat> readFormat(const QByteArray& bytes, qsizetype at, std::uint32_t size) {
    if (size < plainFormatSize) {
        return std::nullopt;
    }
    std::uint16_t tag = u16(bytes, at);
    const int channels = u16(bytes, at + 2);
    const std::uint32_t rate = u32(bytes, at + 4);
    const int blockAlign = u16(bytes, at + 12);
    const int bits = u16(bytes, at + 14);
    if (tag == formatExtensible) {
        if (size < extensibleSubFormatOffset + 2) {
            return std::nullopt;
        }
        tag = u16(bytes, at + extensibleSubFormatOffset);
    }
    const auto format = sampleFormat(tag, bits);
    if (!format || channels < 1 || channels > maxChannels || rate < minSampleRate || rate > maxSampleRate ||
        blockAlign != channels * bits / 8) {
        return std::nullopt;
    }
    QAudioFormat result;
    result.setSampleFormat(*format);
    result.setChannelCount(channels);
    result.setSampleRate(static_cast<int>(rate));
    return result;
}

}  // namespace

int WaveSound::durationMs() const {
    const qint64 perSecond = format.bytesForDuration(1'000'000);
    return perSecond > 0 ? static_cast<int>(frames.size() * 1000 / perSecond) : 0;
}

std::optional<WaveSound> parseWave(const QByteArray& bytes) {
    if (bytes.size() < headerSize || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<QAudioFormat> format;
    std::optional<QByteArray> data;
    qsizetype at = headerSize;
    while (at + chunkHeaderSize <= bytes.size() && !(format && data)) {
        const QByteArray id = bytes.mid(at, 4);
        const std::uint32_t size = u32(bytes, at + 4);
        const qsizetype body = at + chunkHeaderSize;
        const qsizetype available = bytes.size() - body;
        if (id == "fmt ") {
            if (size > static_cast<std::uint64_t>(available)) {
                return std::nullopt;
            }
            format = readFormat(bytes, body, size);
            if (!format) {
                return std::nullopt;
            }
        } else if (id == "data") {
            data = bytes.mid(body, static_cast<qsizetype>(std::min<std::uint64_t>(size, available)));
        }
        // Chunks are padded to an even length.
        at = body + static_cast<qsizetype>(size) + (size & 1U);
    }
    if (!format || !data) {
        return std::nullopt;
    }
    const int frameBytes = format->bytesPerFrame();
    data->truncate(data->size() - data->size() % frameBytes);
    if (data->isEmpty()) {
        return std::nullopt;
    }
    return WaveSound{*format, *data};
}

std::optional<WaveSound> readWaveFile(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxFileBytes) {
        return std::nullopt;
    }
    return parseWave(file.readAll());
}

}  // namespace kelvad::platform
