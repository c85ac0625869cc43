// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SmallWindow.h"

#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace kelvad {

SmallWindow::SmallWindow(QWidget* owner, const QString& name, const QString& caption, int clientWidth,
                         int clientHeight, Placement placement)
    : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      m_placement(placement) {
    setObjectName(name);
    setWindowTitle(caption);
    setFont(designFont(kPGothic, 9));
    setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
}

void SmallWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    emit closedByFrame();
}

void SmallWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && (m_centredOnEveryShow || !m_placed)) {
        moveToStartPosition();
        m_placed = true;
    }
}

void SmallWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The main window is disabled while a small window is open, and Qt passes that on to the windows it owns;
    // but the small window is the one place that must still take input.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && !testAttribute(Qt::WA_ForceDisabled)) {
        setEnabled(true);
    }
}

void SmallWindow::moveToStartPosition() {
    QRect area;
    if (m_placement == Placement::OnOwner && parentWidget()) {
        area = parentWidget()->window()->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        QRect frame = frameGeometry();
        frame.moveCenter(area.center());
        move(frame.topLeft());
    }
}

QLabel* SmallWindow::label(const char* name, const QRect& geometry, const QString& caption) {
    auto* created = new QLabel(caption, this);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(geometry);
    created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Names typed by players are shown as typed, never read as markup.
    created->setTextFormat(Qt::PlainText);
    return created;
}

QPushButton* SmallWindow::button(const char* name, const QRect& geometry, const QString& caption) {
    auto* created = new QPushButton(caption, this);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(geometry);
    return created;
}

}  // namespace kelvad
