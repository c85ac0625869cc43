// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TextBox.h"

#include "ui/MouseButtons.h"

#include <QKeyEvent>
#include <QPointer>

#include <array>
#include <utility>

namespace kelvad {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

int TextBox::keyCode(int qtKey) {
    // Digits and capital letters are their own codes in both.
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return 112 + (qtKey - Qt::Key_F1);
    }
    static constexpr std::array<std::pair<int, int>, 19> kCodes{{
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},      {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},      {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
        {Qt::Key_Home, 36},     {Qt::Key_Left, 37},    {Qt::Key_Up, 38},       {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},  {Qt::Key_Delete, 46},
    }};
    for (const auto& [key, code] : kCodes) {
        if (key == qtKey) {
            return code;
        }
    }
    return 0;
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const QPointer<TextBox> alive(this);
    emit keyDown(keyCode(event->key()), shiftCode(event->modifiers()));
    // A handler may have closed the window; the key then has nothing left to act on.
    if (alive) {
        QLineEdit::keyPressEvent(event);
    }
}

}  // namespace kelvad
