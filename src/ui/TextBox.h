// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace kelvad {

// A one-line text box that reports each key press before it acts on it, so that a key a handler takes (Enter
// confirming the name, say) never reaches the text.
class TextBox : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY(TextBox)

public:
    explicit TextBox(QWidget* parent = nullptr);

signals:
    void keyPressed(Qt::Key key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kelvad
