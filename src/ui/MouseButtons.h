// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMouseEvent>

namespace kelvad {

// The button codes of the mouse handlers: 1 left, 2 right, 4 middle. A press names the one button that went
// down, whatever else is held (so a right press with the left held is a reload); a move names every button
// held down, added up.
inline int buttonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) {
        code |= 1;
    }
    if (buttons & Qt::RightButton) {
        code |= 2;
    }
    if (buttons & Qt::MiddleButton) {
        code |= 4;
    }
    return code;
}

// The shift state of the mouse handlers: 1 Shift, 2 Ctrl, 4 Alt.
inline int shiftCode(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0) |
           ((modifiers & Qt::AltModifier) ? 4 : 0);
}

}  // namespace kelvad
