// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace kelvad::testing {

// A text in double quotes, with its backslashes and line breaks escaped so that it stays on one line.
QString quoted(const QString& text);

// The caption the player reads on a window, label, button or text box, quoted; nothing for other widgets.
std::optional<QString> quotedCaptionOf(const QWidget& widget);

}  // namespace kelvad::testing
