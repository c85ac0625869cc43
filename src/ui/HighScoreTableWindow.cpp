// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
    : SmallWindow(owner, QStringLiteral("Form3"), tr("ハイスコア"), 3930, 3120, Placement::OnScreen) {
    label("Label1", twipsRect(120, 120, 4095, 375), QStringLiteral("HIGH SCORE"))
        ->setFont(designFont(kMincho, 20.25, true));

    // Every piece of a row shares the row's top, so the row reads as one line.
    const QFont rowFont = designFont(kGothic, 9.75, true);
    auto row = [&](const char* name, int left, int width, int index, const QString& caption) {
        QLabel* piece =
            label(name, twipsRect(left, kFirstRowTop + kRowStep * index, width, kRowHeight), caption);
        piece->setFont(rowFont);
        return piece;
    };
    const std::array<const char*, kRows> rankNames{"Label2", "Label4", "Label6", "Label8", "Label10"};
    const std::array<const char*, kRows> nameNames{"NA1", "NA2", "NA3", "NA4", "NA5"};
    const std::array<const char*, kRows> scoreNames{"TO1", "TO2", "TO3", "TO4", "TO5"};
    const std::array<const char*, kRows> unitNames{"Label17", "Label18", "Label19", "Label20", "Label21"};
    for (int index = 0; index < kRows; ++index) {
        const auto slot = static_cast<std::size_t>(index);
        row(rankNames[slot], 120, 135, index, QString::number(index + 1));
        m_nameLabels[slot] = row(nameNames[slot], 360, 2055, index, QString());
        m_scoreLabels[slot] = row(scoreNames[slot], 2520, 975, index, QString());
        m_scoreLabels[slot]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        row(unitNames[slot], 3600, 255, index, tr("点"));
    }

    QPushButton* okButton = button("Command1", twipsRect(120, 2520, 1455, 495), QStringLiteral("OK"));
    QPushButton* resetButton = button("Command2", twipsRect(1680, 2520, 1455, 495), tr("初期化"));
    connect(okButton, &QPushButton::clicked, this, &HighScoreTableWindow::confirmed);
    connect(resetButton, &QPushButton::clicked, this, &HighScoreTableWindow::resetAsked);
}

void HighScoreTableWindow::showRows(const QStringList& names, const QStringList& scores) {
    for (qsizetype row = 0; row < kRows && row < names.size() && row < scores.size(); ++row) {
        const auto slot = static_cast<std::size_t>(row);
        m_nameLabels[slot]->setText(names[row]);
        m_scoreLabels[slot]->setText(scores[row]);
    }
}

}  // namespace kelvad
