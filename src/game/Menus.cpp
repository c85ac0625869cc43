#include "game/Menus.h"

#include "platform/Beeper.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"
#include "scores/NameEntry.h"
#include "ui/Form1.h"
#include "ui/PictureBox.h"
#include "ui/clsProgressBar.h"

#include <QCoreApplication>

namespace kelvad {

void ShowHelp(Form1& form) {
    const QString helpFile = form.programFile(QStringLiteral("\\Kelvad.Hlp"));
    if (const std::optional<QString> error = form.platform().helpViewer.showContents(form, helpFile)) {
        form.platform().messageBoxes.show(form, QStringLiteral("ケルバド解消ゲーム"), *error,
                                          platform::MessageButtons::Ok, platform::MessageIcon::None);
    }
}

void ShowVersion(Form1& form) {
    form.platform().messageBoxes.show(form, QStringLiteral("バージョン情報"),
                                      QStringLiteral("ケルバド解消ゲーム　Ver1.51"),
                                      platform::MessageButtons::Ok, platform::MessageIcon::None);
}

void EndProgram(Form1& form) {
    StorePendingEntry(form);
    // exit rather than quit: quit first asks every window to close, and closing a small window is one of its
    // ways out (the name entry's shows the table), which would keep the program running.
    QCoreApplication::exit(0);
}

void TimeBonusClick(Form1& form) {
    if (!form.Picture2->isEnabled()) {
        return;
    }
    form.platform().beeper.beep();
    form.timeGauge->setMax(kTimeBonusMax);
}

}  // namespace kelvad
