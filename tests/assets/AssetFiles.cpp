// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AssetFiles.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <algorithm>
#include <map>

namespace kelvad::assettest {
namespace {

std::uint32_t le(const QByteArray& b, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    }
    return v;
}

std::uint32_t be(const QByteArray& b, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    }
    return v;
}

// Reads the events of one track chunk; returns false when the chunk is damaged.
struct TrackReader {
    const QByteArray& data;
    qsizetype pos;
    qsizetype end;

    bool variableLength(std::uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            if (pos >= end) {
                return false;
            }
            const auto byte = static_cast<std::uint8_t>(data[pos++]);
            value = (value << 7) | (byte & 0x7F);
            if ((byte & 0x80) == 0) {
                return true;
            }
        }
        return false;
    }
    int byte() { return pos < end ? static_cast<std::uint8_t>(data[pos++]) : -1; }
};

}  // namespace

QString programFile(const QString& name) {
    const QString dir = qEnvironmentVariable("KELVAD_PROGRAM_DIR");
    return dir.isEmpty() ? QString() : QDir(dir).filePath(name);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<BmpHeader> readBmpHeader(const QByteArray& bytes) {
    if (bytes.size() < 54 || !bytes.startsWith("BM")) {
        return std::nullopt;
    }
    BmpHeader h;
    h.fileSize = le(bytes, 2, 4);
    h.pixelOffset = le(bytes, 10, 4);
    h.width = static_cast<std::int32_t>(le(bytes, 18, 4));
    h.height = static_cast<std::int32_t>(le(bytes, 22, 4));
    h.bitsPerPixel = static_cast<int>(le(bytes, 28, 2));
    h.compression = static_cast<int>(le(bytes, 30, 4));
    return h;
}

std::optional<Wave> parseWave(const QByteArray& bytes) {
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    Wave wave;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const qsizetype size = le(bytes, pos + 4, 4);
        const qsizetype body = pos + 8;
        if (body + size > bytes.size()) {
            return std::nullopt;
        }
        if (id == "fmt " && size >= 16) {
            wave.format = static_cast<int>(le(bytes, body, 2));
            wave.channels = static_cast<int>(le(bytes, body + 2, 2));
            wave.sampleRate = static_cast<int>(le(bytes, body + 4, 4));
            wave.bitsPerSample = static_cast<int>(le(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat && wave.bitsPerSample == 16) {
            for (qsizetype i = 0; i + 1 < size; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(le(bytes, body + i, 2)));
            }
            haveData = true;
        }
        pos = body + size + (size % 2);
    }
    if (!haveFormat || !haveData) {
        return std::nullopt;
    }
    return wave;
}

std::optional<MidiSummary> parseMidi(const QByteArray& bytes) {
    if (bytes.size() < 14 || bytes.left(4) != "MThd" || be(bytes, 4, 4) != 6) {
        return std::nullopt;
    }
    MidiSummary summary;
    summary.format = static_cast<int>(be(bytes, 8, 2));
    const int declaredTracks = static_cast<int>(be(bytes, 10, 2));
    const std::uint32_t division = be(bytes, 12, 2);
    if ((division & 0x8000) != 0 || division == 0) {
        return std::nullopt;  // SMPTE time is not used by the game's tune
    }
    summary.ticksPerQuarter = static_cast<int>(division);

    std::map<std::uint32_t, std::uint32_t> tempoAt{{0, 500000}};  // tick -> microseconds per quarter
    std::uint32_t lastTick = 0;
    qsizetype pos = 14;
    while (pos + 8 <= bytes.size()) {
        const std::uint32_t length = be(bytes, pos + 4, 4);
        if (bytes.mid(pos, 4) != "MTrk" || pos + 8 + static_cast<qsizetype>(length) > bytes.size()) {
            return std::nullopt;
        }
        ++summary.trackCount;
        TrackReader r{bytes, pos + 8, pos + 8 + static_cast<qsizetype>(length)};
        std::uint32_t tick = 0;
        int runningStatus = -1;
        bool ended = false;
        std::map<int, int> sounding;  // channel * 128 + key -> count
        while (r.pos < r.end && !ended) {
            std::uint32_t delta = 0;
            if (!r.variableLength(delta)) {
                return std::nullopt;
            }
            tick += delta;
            int status = r.byte();
            if (status < 0) {
                return std::nullopt;
            }
            if (status < 0x80) {
                if (runningStatus < 0) {
                    return std::nullopt;
                }
                --r.pos;
                status = runningStatus;
            }
            if (status == 0xFF) {
                const int type = r.byte();
                std::uint32_t size = 0;
                if (type < 0 || !r.variableLength(size) || r.pos + static_cast<qsizetype>(size) > r.end) {
                    return std::nullopt;
                }
                if (type == 0x51 && size == 3) {
                    tempoAt[tick] = be(bytes, r.pos, 3);
                }
                ended = type == 0x2F;
                r.pos += size;
                continue;
            }
            if (status == 0xF0 || status == 0xF7) {
                std::uint32_t size = 0;
                if (!r.variableLength(size)) {
                    return std::nullopt;
                }
                r.pos += size;
                continue;
            }
            runningStatus = status;
            const int kind = status & 0xF0;
            const int channel = status & 0x0F;
            const int first = r.byte();
            const int second = (kind == 0xC0 || kind == 0xD0) ? 0 : r.byte();
            if (first < 0 || second < 0) {
                return std::nullopt;
            }
            if (kind == 0x90 && second > 0) {
                ++summary.noteOns;
                summary.channelsWithNotes.insert(channel);
                ++sounding[channel * 128 + first];
            } else if (kind == 0x80 || kind == 0x90) {
                --sounding[channel * 128 + first];
            } else if (kind == 0xC0) {
                ++summary.programChanges;
            }
        }
        if (!ended) {
            return std::nullopt;  // every track must close with an end-of-track event
        }
        for (const auto& [key, count] : sounding) {
            summary.unfinishedNotes += std::max(0, count);
        }
        lastTick = std::max(lastTick, tick);
        pos += 8 + length;
    }
    if (summary.trackCount != declaredTracks) {
        return std::nullopt;
    }
    // Walk the tempo map up to the last tick.
    double seconds = 0.0;
    for (auto it = tempoAt.begin(); it != tempoAt.end() && it->first < lastTick; ++it) {
        const auto next = std::next(it);
        const std::uint32_t until = next == tempoAt.end() ? lastTick : std::min(next->first, lastTick);
        seconds += double(until - it->first) / summary.ticksPerQuarter * it->second / 1e6;
    }
    summary.seconds = seconds;
    return summary;
}

void drawMasked(QImage& target, const QImage& sprite, const QImage& mask, int left, int top) {
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(left, top, mask.convertToFormat(QImage::Format_RGB32));
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(left, top, sprite.convertToFormat(QImage::Format_RGB32));
}

}  // namespace kelvad::assettest
