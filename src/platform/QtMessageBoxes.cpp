// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtMessageBoxes.h"

#include <QMessageBox>

namespace kelvad::platform {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

MessageAnswer QtMessageBoxes::show(BoxOwner owner, const QString& title, const QString& text,
                                   MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), title, text, qtButtons(buttons), m_windowOf ? m_windowOf(owner) : nullptr);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            break;
    }
    // Closing an OK/Cancel or Yes/No box with Escape or the frame is the safe answer.
    if (buttons == MessageButtons::YesNo) {
        return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes : MessageAnswer::No;
    }
    if (buttons == MessageButtons::OkCancel) {
        return box.clickedButton() == box.button(QMessageBox::Ok) ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    return MessageAnswer::Ok;
}

}  // namespace kelvad::platform
