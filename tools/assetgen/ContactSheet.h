// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace assetgen {

// Every sprite at four times its size over each of the three stage scenes, drawn the way the game
// draws it (alpha pictures composed, masked frames with AND then XOR), to look the art over at once.
QImage contactSheet();

}  // namespace assetgen
