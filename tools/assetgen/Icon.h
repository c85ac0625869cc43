// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

namespace assetgen {

// The window and desktop icon: a target with the gun sight's wedges. The same shapes are drawn at any
// size and written as SVG.
QImage icon(int size);
QString iconSvg();

}  // namespace assetgen
