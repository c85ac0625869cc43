// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "Raster.h"

namespace assetgen {

constexpr int kMarkSize = 40;
constexpr int kMarkFrames = 4;
constexpr int kFallWidth = 32;
constexpr int kFallHeight = 39;
constexpr int kFallFrames = 3;

// The burst that flashes at the pointer on every shot, growing over its frames.
std::vector<MaskedSprite> shotMarkFrames();

// A man going down. The frames are painted over each other into the field and the last one stays,
// so every earlier frame lies inside the last one's shape.
std::vector<MaskedSprite> fallFrames();

}  // namespace assetgen
