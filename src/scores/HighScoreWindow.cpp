#include "scores/HighScoreWindow.h"

#include "platform/MessageBoxes.h"
#include "scores/HighScores.h"
#include "ui/Form1.h"
#include "ui/Form3.h"
#include "ui/Phase.h"

namespace kelvad {

void OpenHighScoreWindow(Form1& form) {
    form.form3().show();
    form.setEnabled(false);
    ReadHighScores(form);
}

namespace {

void giveBackTheMainWindow(Form1& form) {
    form.form3().hide();
    form.setEnabled(true);
    form.show();
}

}  // namespace

void CloseHighScoreWindow(Form1& form) {
    giveBackTheMainWindow(form);
    SetPhase(form, Phase::Ready);
}

void CloseHighScoreWindowByFrame(Form1& form) {
    giveBackTheMainWindow(form);
    SetPhase(form, Phase::TableClosedByFrame);
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
