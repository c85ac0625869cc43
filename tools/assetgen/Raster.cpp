// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Raster.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

constexpr int kOpaqueAlpha = 128;

bool opaqueAt(const QImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
        return false;
    }
    return qAlpha(image.pixel(x, y)) >= kOpaqueAlpha;
}

}  // namespace

std::uint32_t Rng::next() {
    // splitmix64: tiny, well mixed, and the same on every platform.
    m_state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

double Rng::uniform() {
    return next() / 4294967296.0;
}

double Rng::range(double low, double high) {
    return low + (high - low) * uniform();
}

int Rng::below(int limit) {
    return static_cast<int>(uniform() * limit);
}

QImage newCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage fromPixelMap(std::string_view rows, int width, int height, const Palette& palette) {
    QImage image = newCanvas(width, height);
    int x = 0;
    int y = 0;
    for (char c : rows) {
        if (c == '\n') {
            if (x == 0) {
                continue;  // blank lines around the map
            }
            if (x != width) {
                return {};
            }
            x = 0;
            ++y;
            continue;
        }
        if (c == ' ') {
            continue;
        }
        if (y >= height || x >= width) {
            return {};
        }
        if (const auto it = palette.find(c); it != palette.end()) {
            image.setPixel(x, y, it->second);
        }
        ++x;
    }
    if (x != 0) {
        if (x != width) {
            return {};
        }
        ++y;
    }
    return y == height ? image : QImage();
}

void addOutline(QImage& image, QRgb colour) {
    const QImage source = image.copy();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (opaqueAt(source, x, y)) {
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy) {
                for (int dx = -1; dx <= 1 && !touches; ++dx) {
                    touches = opaqueAt(source, x + dx, y + dy);
                }
            }
            if (touches) {
                image.setPixel(x, y, colour | 0xFF000000u);
            }
        }
    }
}

MaskedSprite splitForXor(const QImage& argb) {
    MaskedSprite out{QImage(argb.size(), QImage::Format_RGB32), QImage(argb.size(), QImage::Format_RGB32)};
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            const bool solid = qAlpha(p) >= kOpaqueAlpha;
            out.sprite.setPixel(x, y, solid ? qRgb(qRed(p), qGreen(p), qBlue(p)) : qRgb(0, 0, 0));
            out.mask.setPixel(x, y, solid ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return out;
}

void blitAndXor(QImage& target, const MaskedSprite& frame, int left, int top) {
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(left, top, frame.mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(left, top, frame.sprite);
}

QRgb mix(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto lerp = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return qRgba(lerp(qRed(a), qRed(b)), lerp(qGreen(a), qGreen(b)), lerp(qBlue(a), qBlue(b)),
                 lerp(qAlpha(a), qAlpha(b)));
}

}  // namespace assetgen
