// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WidgetText.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace kelvad::testing {

QString quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
    return u'"' + escaped + u'"';
}

std::optional<QString> quotedCaptionOf(const QWidget& widget) {
    if (widget.isWindow()) {
        return quoted(widget.windowTitle());
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return quoted(label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return quoted(button->text());
    }
    if (const auto* line = qobject_cast<const QLineEdit*>(&widget)) {
        return quoted(line->text());
    }
    return std::nullopt;
}

}  // namespace kelvad::testing
