// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/audio/WaveFile.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstring>

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

std::optional<WaveFormat::Sample> sampleFormat(std::uint16_t tag, int bits) {
    if (tag == formatPcm) {
        switch (bits) {
            case 8:
                return WaveFormat::Sample::UInt8;
            case 16:
                return WaveFormat::Sample::Int16;
            case 32:
                return WaveFormat::Sample::Int32;
            default:
                return std::nullopt;
        }
    }
    if (tag == formatFloat && bits == 32) {
        return WaveFormat::Sample::Float;
    }
    return std::nullopt;
}

int bytesPerSample(WaveFormat::Sample sample) {
    switch (sample) {
        case WaveFormat::Sample::UInt8:
            return 1;
        case WaveFormat::Sample::Int16:
            return 2;
        case WaveFormat::Sample::Int32:
        case WaveFormat::Sample::Float:
            return 4;
    }
    return 0;
}

float sampleAt(const WaveSound& sound, qsizetype sampleIndex) {
    const char* at = sound.frames.constData() + sampleIndex * bytesPerSample(sound.format.sample);
    switch (sound.format.sample) {
        case WaveFormat::Sample::UInt8:
            return (static_cast<std::uint8_t>(*at) - 128) / 128.0F;
        case WaveFormat::Sample::Int16: {
            std::int16_t v;
            std::memcpy(&v, at, sizeof v);
            return v / 32768.0F;
        }
        case WaveFormat::Sample::Int32: {
            std::int32_t v;
            std::memcpy(&v, at, sizeof v);
            return static_cast<float>(v / 2147483648.0);
        }
        case WaveFormat::Sample::Float: {
            float v;
            std::memcpy(&v, at, sizeof v);
            return v;
        }
    }
    return 0;
}

std::optional<WaveFormat> readFormat(const QByteArray& bytes, qsizetype at, std::uint32_t size) {
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
    return WaveFormat{*format, channels, static_cast<int>(rate)};
}

}  // namespace

int WaveFormat::bytesPerFrame() const {
    return bytesPerSample(sample) * channels;
}

int WaveSound::durationMs() const {
    const qint64 perSecond = qint64(format.bytesPerFrame()) * format.sampleRate;
    return perSecond > 0 ? static_cast<int>(frames.size() * 1000 / perSecond) : 0;
}

MixedSound toMixed(const WaveSound& sound) {
    const int channels = sound.format.channels;
    const qsizetype inFrames = sound.frames.size() / sound.format.bytesPerFrame();
    const double step = double(sound.format.sampleRate) / MixedSound::sampleRate;
    const auto outFrames = static_cast<qsizetype>(inFrames / step);
    const int right = channels > 1 ? 1 : 0;
    MixedSound mixed;
    mixed.samples.resize(static_cast<size_t>(outFrames) * MixedSound::channels);
    for (qsizetype i = 0; i < outFrames; ++i) {
        const double position = i * step;
        const auto frame = static_cast<qsizetype>(position);
        const qsizetype next = std::min(frame + 1, inFrames - 1);
        const auto weight = static_cast<float>(position - double(frame));
        for (int side = 0; side < MixedSound::channels; ++side) {
            const int channel = side == 0 ? 0 : right;
            const float a = sampleAt(sound, frame * channels + channel);
            const float b = sampleAt(sound, next * channels + channel);
            mixed.samples[static_cast<size_t>(i * MixedSound::channels + side)] = a + (b - a) * weight;
        }
    }
    return mixed;
}

std::optional<WaveSound> parseWave(const QByteArray& bytes) {
    if (bytes.size() < headerSize || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<WaveFormat> format;
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
