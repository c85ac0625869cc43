// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QWidget;

namespace kelvad::platform {

// Runs the work once the shown window's first frame has been painted, from the event loop: what the first
// paint does not need waits until the player sees the window.
void afterFirstFrame(QWidget& window, std::function<void()> work);

}  // namespace kelvad::platform
