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

    rankLabel = label("Label2", twipsRect(120, 0, 1935, 255), QString());
    rankLabel->setFont(designFont(kPGothic, 9, true));
    label("Label1", twipsRect(120, 360, 3975, 255), tr("ﾊｲｽｺｱに登録します。名前を入力してください。"));

    // Created before the button, so the name box comes first in the tab order and takes the focus.
    nameBox = new TextBox(this);
    nameBox->setObjectName(QStringLiteral("Text1"));
    nameBox->setGeometry(twipsRect(120, 600, 3975, 270));
    okButton = button("Command1", twipsRect(1200, 1200, 1695, 495), QStringLiteral("OK"));
}

}  // namespace kelvad
