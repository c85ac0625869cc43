// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/HelpViewer.h"

#include <QPointer>

class QDialog;
class QWidget;

namespace kelvad::platform {

// Shows an HTML help file in a small window of its own, reused while it is open.
class QtHelpViewer final : public HelpViewer {
public:
    // The window the help belongs to.
    void setOwner(QWidget* owner) { m_owner = owner; }

    std::optional<QString> showContents(const QString& helpFile) override;

private:
    QPointer<QWidget> m_owner;
    QPointer<QDialog> m_window;
};

}  // namespace kelvad::platform
