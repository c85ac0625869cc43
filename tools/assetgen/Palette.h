// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include "Raster.h"

// One palette for every picture of the game, so that the men, the plates and the scenes belong together.
namespace assetgen::colours {

constexpr QRgb kInk = 0xFF141418;        // outlines and deepest shadow
constexpr QRgb kCoat = 0xFF1A1A22;       // the black man's suit
constexpr QRgb kCoatLight = 0xFF464658;  // folds and rims on black cloth
constexpr QRgb kRim = 0xFFB8C0D4;        // light edge that keeps the black man visible at night
constexpr QRgb kSkin = 0xFFF0C090;
constexpr QRgb kSkinShade = 0xFFC48C5C;
constexpr QRgb kWhite = 0xFFF8F8F8;
constexpr QRgb kPaleGrey = 0xFFBEBEC8;
constexpr QRgb kRed = 0xFFD82828;
constexpr QRgb kDarkRed = 0xFF8C1818;
constexpr QRgb kSteel = 0xFF8C94A4;
constexpr QRgb kDarkSteel = 0xFF485060;
constexpr QRgb kShoe = 0xFF0C0C12;
constexpr QRgb kBlue = 0xFF2860D8;
constexpr QRgb kDarkBlue = 0xFF183C96;
constexpr QRgb kLightBlue = 0xFF78AAF5;
constexpr QRgb kYellow = 0xFFFAD220;
constexpr QRgb kOchre = 0xFFC49610;
constexpr QRgb kHair = 0xFF643818;
constexpr QRgb kDarkHair = 0xFF3A2010;
constexpr QRgb kTrousers = 0xFF6E6282;
constexpr QRgb kGreen = 0xFF78C878;
constexpr QRgb kKhaki = 0xFFD8C8A0;
constexpr QRgb kKhakiShade = 0xFFA89870;
constexpr QRgb kFallen = 0xFF5E5E68;  // the neutral figure of a man going down
constexpr QRgb kFallenLight = 0xFF8A8A96;
constexpr QRgb kFallenDark = 0xFF3A3A42;
constexpr QRgb kBrass = 0xFFE0B040;
constexpr QRgb kBrassLight = 0xFFF8E08C;
constexpr QRgb kBrassDark = 0xFF9C7420;
constexpr QRgb kCopper = 0xFFC86A38;
constexpr QRgb kCopperLight = 0xFFF0A070;

// The letters of the text pixel maps.
inline Palette figurePalette() {
    return Palette{
        {'K', kCoat},     {'k', kCoatLight},  {'S', kSkin},     {'s', kSkinShade},  {'W', kWhite},
        {'w', kPaleGrey}, {'R', kRed},        {'r', kDarkRed},  {'G', kSteel},      {'g', kDarkSteel},
        {'D', kShoe},     {'B', kBlue},       {'b', kDarkBlue}, {'L', kLightBlue},  {'Y', kYellow},
        {'y', kOchre},    {'H', kHair},       {'h', kDarkHair}, {'N', kTrousers},   {'C', kGreen},
        {'T', kKhaki},    {'t', kKhakiShade}, {'M', kFallen},   {'m', kFallenDark}, {'l', kFallenLight},
        {'I', kInk},
    };
}

}  // namespace assetgen::colours
