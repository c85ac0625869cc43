// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileWriters.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace assetgen {
namespace {

constexpr int kBmpFileHeaderSize = 14;
constexpr int kBmpInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre96Dpi = 3780;

void putLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

bool saveAtomically(const QByteArray& data, const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

bool writeBytes(const std::vector<std::uint8_t>& bytes, const QString& path) {
    return saveAtomically(
        QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())), path);
}

bool writeText(const QString& text, const QString& path) {
    return saveAtomically(text.toUtf8(), path);
}

bool writeBmp24(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (width * 3 + 3) & ~3;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
    const std::uint32_t offset = kBmpFileHeaderSize + kBmpInfoHeaderSize;

    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    putLe(out, offset + pixelBytes, 4);
    putLe(out, 0, 4);
    putLe(out, offset, 4);
    putLe(out, kBmpInfoHeaderSize, 4);
    putLe(out, static_cast<std::uint32_t>(width), 4);
    putLe(out, static_cast<std::uint32_t>(height), 4);  // positive: rows stored bottom-up
    putLe(out, 1, 2);
    putLe(out, 24, 2);
    putLe(out, 0, 4);  // BI_RGB
    putLe(out, pixelBytes, 4);
    putLe(out, kPixelsPerMetre96Dpi, 4);
    putLe(out, kPixelsPerMetre96Dpi, 4);
    putLe(out, 0, 4);
    putLe(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<std::uint8_t>(qBlue(line[x])));
            out.push_back(static_cast<std::uint8_t>(qGreen(line[x])));
            out.push_back(static_cast<std::uint8_t>(qRed(line[x])));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return writeBytes(out, path);
}

bool writePng(const QImage& image, const QString& path) {
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    argb.setDotsPerMeterX(kPixelsPerMetre96Dpi);
    argb.setDotsPerMeterY(kPixelsPerMetre96Dpi);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!argb.save(&buffer, "PNG")) {
        return false;
    }
    return saveAtomically(data, path);
}

bool writeWav16(const std::vector<std::int16_t>& samples, int sampleRate, const QString& path) {
    constexpr int kChannels = 1;
    constexpr int kBitsPerSample = 16;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    for (char c : {'R', 'I', 'F', 'F'}) {
        out.push_back(static_cast<std::uint8_t>(c));
    }
    putLe(out, 36 + dataBytes, 4);
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}) {
        out.push_back(static_cast<std::uint8_t>(c));
    }
    putLe(out, 16, 4);
    putLe(out, 1, 2);  // PCM
    putLe(out, kChannels, 2);
    putLe(out, static_cast<std::uint32_t>(sampleRate), 4);
    putLe(out, static_cast<std::uint32_t>(sampleRate * kChannels * kBitsPerSample / 8), 4);
    putLe(out, kChannels * kBitsPerSample / 8, 2);
    putLe(out, kBitsPerSample, 2);
    for (char c : {'d', 'a', 't', 'a'}) {
        out.push_back(static_cast<std::uint8_t>(c));
    }
    putLe(out, dataBytes, 4);
    for (std::int16_t s : samples) {
        putLe(out, static_cast<std::uint16_t>(s), 2);
    }
    return writeBytes(out, path);
}

}  // namespace assetgen
