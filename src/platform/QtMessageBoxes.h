#pragma once

#include "platform/MessageBoxes.h"

class QWidget;

namespace kelvad::platform {

// Message boxes as QMessageBox, modal over the window that is active when they open.
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const QString& title, const QString& text, MessageButtons buttons,
                       MessageIcon icon) override;
};

}  // namespace kelvad::platform
