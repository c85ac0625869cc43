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

    // The rank word of the new entry.
    QLabel* rankLabel = nullptr;
    // The name; Enter in it is a key-down with code 13.
    TextBox* nameBox = nullptr;
    QPushButton* okButton = nullptr;
};

}  // namespace kelvad
