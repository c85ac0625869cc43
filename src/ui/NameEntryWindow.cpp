// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/NameEntryWindow.h"

#include "ui/Fonts.h"
#include "ui/TextBox.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace kelvad {

NameEntryWindow::NameEntryWindow(QWidget* owner)
    : SmallWindow(owner, QStringLiteral("Form2"), tr("ハイスコアへ登録"), 4185, 1770, Placement::OnOwner) {
    // The window lives for one name entry at a time, so each one opens over the main window.
    setCentredOnEveryShow(true);

    m_rankLabel = label("Label2", twipsRect(120, 0, 1935, 255), QString());
    m_rankLabel->setFont(designFont(kPGothic, 9, true));
    label("Label1", twipsRect(120, 360, 3975, 255), tr("ﾊｲｽｺｱに登録します。名前を入力してください。"));

    // Created before the button, so the name box comes first in the tab order and takes the focus.
    m_nameBox = new TextBox(this);
    m_nameBox->setObjectName(QStringLiteral("Text1"));
    m_nameBox->setGeometry(twipsRect(120, 600, 3975, 270));
    m_okButton = button("Command1", twipsRect(1200, 1200, 1695, 495), QStringLiteral("OK"));

    connect(m_nameBox, &QLineEdit::textChanged, this, &NameEntryWindow::nameEdited);
    connect(m_nameBox, &TextBox::keyPressed, this, &NameEntryWindow::keyPressed);
    connect(m_okButton, &QPushButton::clicked, this, &NameEntryWindow::confirmed);
}

void NameEntryWindow::open(const QString& rankWord, const QString& offeredName) {
    m_nameBox->setText(offeredName);
    m_nameBox->setSelection(0, static_cast<int>(m_nameBox->text().size()));
    m_nameBox->setEnabled(true);
    show();
    m_nameBox->setFocus();
    m_rankLabel->setText(rankWord);
}

}  // namespace kelvad
