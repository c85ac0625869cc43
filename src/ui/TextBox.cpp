// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TextBox.h"

#include <QKeyEvent>
#include <QPointer>

namespace kelvad {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const QPointer<TextBox> alive(this);
    emit keyPressed(static_cast<Qt::Key>(event->key()));
    // A handler may have closed the window; the key then has nothing left to act on.
    if (alive) {
        QLineEdit::keyPressEvent(event);
    }
}

}  // namespace kelvad
