// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace kelvad {

// A one-line text box that reports each key press before it acts on it, by the key codes of the game's
// handlers: 13 Enter, 27 Escape, 8 Backspace, 48..57 digits, 65..90 letters, and so on.
class TextBox : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY(TextBox)

public:
    explicit TextBox(QWidget* parent = nullptr);

    // The handlers' code for a key; 0 for a key they have no code for.
    static int keyCode(int qtKey);

signals:
    // The shift state: 1 Shift, 2 Ctrl, 4 Alt.
    void keyDown(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kelvad
