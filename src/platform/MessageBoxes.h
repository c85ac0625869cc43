#pragma once

#include <QString>

namespace kelvad::platform {

enum class MessageButtons { Ok, YesNo, OkCancel };
enum class MessageIcon { None, Question, Information, Warning, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Modal message boxes. show() returns when the player has answered.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const QString& title, const QString& text, MessageButtons buttons,
                               MessageIcon icon) = 0;
};

}  // namespace kelvad::platform
