// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace kelvad::platform {

// Shows the contents page of a help file in a window of its own, which belongs to the owner: it opens over it
// and closes with it.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the file in a window of the main window's. Returns a description of the error when the file
    // could not be shown.
    virtual std::optional<QString> showContents(const QString& helpFile) = 0;
};

}  // namespace kelvad::platform
