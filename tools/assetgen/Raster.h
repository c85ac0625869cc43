// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>
#include <map>
#include <string_view>

namespace assetgen {

// A small fixed-seed generator, so that every build draws the same stars, bricks and noise.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint32_t next();
    double uniform();                       // [0, 1)
    double range(double low, double high);  // [low, high)
    int below(int limit);                   // [0, limit)

private:
    std::uint64_t m_state;
};

using Palette = std::map<char, QRgb>;

// Transparent ARGB canvas.
QImage newCanvas(int width, int height);

// Rows of characters, one per pixel; characters missing from the palette stay transparent.
// Returns a null image when the rows do not match the size.
QImage fromPixelMap(std::string_view rows, int width, int height, const Palette& palette);

// Rings the opaque shape with a one-pixel line (8-neighbourhood), so it reads on any background.
void addOutline(QImage& image, QRgb colour);

// A picture for the AND-then-XOR drawing: the mask is black where the sprite is and white where the
// background shows; the sprite is black wherever the mask is white.
struct MaskedSprite {
    QImage sprite;
    QImage mask;
};
MaskedSprite splitForXor(const QImage& argb);

// Draws a masked sprite onto an RGB32 image the way the game does: AND the mask, XOR the sprite.
void blitAndXor(QImage& target, const MaskedSprite& frame, int left, int top);

QRgb mix(QRgb a, QRgb b, double t);

}  // namespace assetgen
