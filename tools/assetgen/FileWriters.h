// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace assetgen {

// The game loads its backgrounds and drawing stock as 24-bit bitmaps; the writer drops alpha and
// stamps nothing that changes between builds.
bool writeBmp24(const QImage& image, const QString& path);

// Pictures shown over other controls keep their transparency.
bool writePng(const QImage& image, const QString& path);

// Mono 16-bit PCM at the given rate.
bool writeWav16(const std::vector<std::int16_t>& samples, int sampleRate, const QString& path);

bool writeBytes(const std::vector<std::uint8_t>& bytes, const QString& path);
bool writeText(const QString& text, const QString& path);

}  // namespace assetgen
