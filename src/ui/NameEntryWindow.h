// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SmallWindow.h"

class QLabel;
class QPushButton;

namespace kelvad {

class TextBox;

// The name entry: asks for the player's name when a score enters the high-score table.
class NameEntryWindow final : public SmallWindow {
    Q_OBJECT
    Q_DISABLE_COPY(NameEntryWindow)

public:
    explicit NameEntryWindow(QWidget* owner);

    // Opens over the main window with the rank word and the name offered, all of it selected so that typing
    // replaces it, and the focus in the name box.
    void open(const QString& rankWord, const QString& offeredName);

signals:
    void nameEdited(const QString& text);
    // A key in the name box, before the box acts on it.
    void keyPressed(Qt::Key key);
    // OK.
    void confirmed();

private:
    QLabel* m_rankLabel = nullptr;
    TextBox* m_nameBox = nullptr;
    QPushButton* m_okButton = nullptr;
};

}  // namespace kelvad
