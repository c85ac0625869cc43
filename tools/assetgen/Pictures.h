// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace assetgen {

constexpr int kBulletWidth = 12;
constexpr int kBulletHeight = 23;
constexpr int kPlateWidth = 60;
constexpr int kPlateHeight = 20;
constexpr int kCursorSize = 32;

enum class Plate { Fifty, Hundred, HundredFifty };

// One cartridge of the ammunition display, on the light grey status panel.
QImage bullet();

// A bonus plate; its value label is laid over the calm light middle.
QImage plate(Plate which);

// The gun sight over the play field: four black wedges aimed at the hot spot in the middle.
QImage cursor();

}  // namespace assetgen
