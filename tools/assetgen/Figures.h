// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace assetgen {

constexpr int kFigureWidth = 26;
constexpr int kFigureHeight = 39;

// The three targets and the civilian, with transparency around the figure.
QImage blackMan();
QImage blueMan();
QImage yellowMan();
QImage civilian();

}  // namespace assetgen
