#include "scores/HighScoreWindow.h"

#include "platform/MessageBoxes.h"
#include "scores/HighScores.h"
#include "ui/Form1.h"
#include "ui/Form3.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace kelvad {

void OpenHighScoreWindow(Form1& form) {
    form.form3().show();
    form.setEnabled(false);
    ReadHighScores(form);
}

void CloseHighScoreWindow(Form1& form) {
    CloseHighScoreWindowByFrame(form);
    form.Command1->setEnabled(true);
    form.Picture2->setEnabled(true);
    form.B19->setEnabled(false);
    form.B21->setEnabled(false);
    form.Label20->setText(QStringLiteral("0"));
}

void CloseHighScoreWindowByFrame(Form1& form) {
    form.form3().hide();
    form.setEnabled(true);
    form.show();
    form.A2->menuAction()->setEnabled(true);
    form.B1->setEnabled(true);
    form.B4->setEnabled(true);
}

void AskResetHighScores(Form1& form) {
    const platform::MessageAnswer answer = form.platform().messageBoxes.show(
        form.form3(), QStringLiteral("ｹﾙﾊﾞﾄﾞ解消ｹﾞｰﾑ"),
        QStringLiteral("データを初期化してもよろしいですか？"), platform::MessageButtons::OkCancel,
        platform::MessageIcon::Question);
    if (answer == platform::MessageAnswer::Ok) {
        ResetHighScores(form);
    }
}

}  // namespace kelvad
