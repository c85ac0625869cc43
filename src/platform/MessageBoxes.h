// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kelvad::platform {

// The windows a box can belong to. The program maps each to its window.
enum class BoxOwner { MainWindow, HighScoreTable };
enum class MessageButtons { Ok, YesNo, OkCancel };
enum class MessageIcon { None, Question, Information, Warning, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Modal message boxes. show() returns when the player has answered. A box belongs to the window its question
// is about, the owner: it opens over that window and blocks it, whichever window is active at the time.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(BoxOwner owner, const QString& title, const QString& text,
                               MessageButtons buttons, MessageIcon icon) = 0;
};

}  // namespace kelvad::platform
