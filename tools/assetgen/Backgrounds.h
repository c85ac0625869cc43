// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace assetgen {

constexpr int kFieldWidth = 255;
constexpr int kFieldHeight = 233;

// One scene per stage, darker and more dramatic as the stages rise, and calm enough for the men to
// stand out: a back street by day, a harbour at sunset, the city at night.
QImage backStreetByDay();
QImage harbourAtSunset();
QImage cityAtNight();

}  // namespace assetgen
