#include "ui/HighScoreTableWindow.h"

#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>

#include <array>

namespace kelvad {

namespace {

constexpr int kFirstRowTop = 720;
constexpr int kRowStep = 360;
constexpr int kRowHeight = 255;

}  // namespace

HighScoreTableWindow::HighScoreTableWindow(QWidget* owner)
    : SmallWindow(owner, QStringLiteral("Form3"), QStringLiteral("ハイスコア"), 3930, 3120,
                  Placement::OnScreen) {
    Label1 = label("Label1", twipsRect(120, 120, 4095, 375), QStringLiteral("HIGH SCORE"));
    Label1->setFont(designFont(kMincho, 20.25, true));

    // Every piece of a row shares the row's top, so the row reads as one line.
    const QFont rowFont = designFont(kGothic, 9.75, true);
    auto row = [&](const char* name, int left, int width, int index, const QString& caption) {
        QLabel* piece =
            label(name, twipsRect(left, kFirstRowTop + kRowStep * index, width, kRowHeight), caption);
        piece->setFont(rowFont);
        return piece;
    };
    const std::array<QLabel**, kRows> ranks{&Label2, &Label4, &Label6, &Label8, &Label10};
    const std::array<QLabel**, kRows> names{&NA1, &NA2, &NA3, &NA4, &NA5};
    const std::array<QLabel**, kRows> scores{&TO1, &TO2, &TO3, &TO4, &TO5};
    const std::array<QLabel**, kRows> units{&Label17, &Label18, &Label19, &Label20, &Label21};
    const std::array<const char*, kRows> rankNames{"Label2", "Label4", "Label6", "Label8", "Label10"};
    const std::array<const char*, kRows> nameNames{"NA1", "NA2", "NA3", "NA4", "NA5"};
    const std::array<const char*, kRows> scoreNames{"TO1", "TO2", "TO3", "TO4", "TO5"};
    const std::array<const char*, kRows> unitNames{"Label17", "Label18", "Label19", "Label20", "Label21"};
    for (int index = 0; index < kRows; ++index) {
        *ranks[index] = row(rankNames[index], 120, 135, index, QString::number(index + 1));
        *names[index] = row(nameNames[index], 360, 2055, index, QString());
        *scores[index] = row(scoreNames[index], 2520, 975, index, QString());
        (*scores[index])->setAlignment(Qt::AlignRight | Qt::AlignTop);
        *units[index] = row(unitNames[index], 3600, 255, index, QStringLiteral("点"));
    }

    Command1 = button("Command1", twipsRect(120, 2520, 1455, 495), QStringLiteral("OK"));
    Command2 = button("Command2", twipsRect(1680, 2520, 1455, 495), QStringLiteral("初期化"));
}

QLabel* HighScoreTableWindow::NA(int rank) const {
    const std::array<QLabel*, kRows> labels{NA1, NA2, NA3, NA4, NA5};
    return rank >= 1 && rank <= kRows ? labels[rank - 1] : nullptr;
}

QLabel* HighScoreTableWindow::TO(int rank) const {
    const std::array<QLabel*, kRows> labels{TO1, TO2, TO3, TO4, TO5};
    return rank >= 1 && rank <= kRows ? labels[rank - 1] : nullptr;
}

}  // namespace kelvad
