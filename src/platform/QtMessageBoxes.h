// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/MessageBoxes.h"

#include <functional>

class QWidget;

namespace kelvad::platform {

// Message boxes as QMessageBox, modal over the window their owner names.
class QtMessageBoxes final : public MessageBoxes {
public:
    // Which window each owner is; until told, a box has no window under it.
    void setWindows(std::function<QWidget*(BoxOwner)> windowOf) { m_windowOf = std::move(windowOf); }

    MessageAnswer show(BoxOwner owner, const QString& title, const QString& text, MessageButtons buttons,
                       MessageIcon icon) override;

private:
    std::function<QWidget*(BoxOwner)> m_windowOf;
};

}  // namespace kelvad::platform
