#include "ui/NameEntryWindow.h"

#include "ui/Fonts.h"
#include "ui/TextBox.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace kelvad {

NameEntryWindow::NameEntryWindow(QWidget* owner)
    : SmallWindow(owner, QStringLiteral("Form2"), QStringLiteral("ハイスコアへ登録"), 4185, 1770,
                  Placement::OnOwner) {
    // The window lives for one name entry at a time, so each one opens over the main window.
    setCentredOnEveryShow(true);

    Label2 = label("Label2", twipsRect(120, 0, 1935, 255), QString());
    Label2->setFont(designFont(kPGothic, 9, true));
    Label1 = label("Label1", twipsRect(120, 360, 3975, 255),
                   QStringLiteral("ﾊｲｽｺｱに登録します。名前を入力してください。"));

    // Created before the button, so the name box comes first in the tab order and takes the focus.
    Text1 = new TextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(120, 600, 3975, 270));
    Command1 = button("Command1", twipsRect(1200, 1200, 1695, 495), QStringLiteral("OK"));
}

}  // namespace kelvad
