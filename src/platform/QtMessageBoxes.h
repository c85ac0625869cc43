// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/MessageBoxes.h"

namespace kelvad::platform {

// Message boxes as QMessageBox, modal over their owner.
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget& owner, const QString& title, const QString& text, MessageButtons buttons,
                       MessageIcon icon) override;
};

}  // namespace kelvad::platform
