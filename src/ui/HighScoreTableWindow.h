// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SmallWindow.h"

#include <array>

class QLabel;
class QPushButton;

namespace kelvad {

// The high-score table: five rows of rank, name, score and "点", with OK and the reset button.
class HighScoreTableWindow final : public SmallWindow {
    Q_OBJECT
    Q_DISABLE_COPY(HighScoreTableWindow)

public:
    explicit HighScoreTableWindow(QWidget* owner);

    static constexpr int kRows = 5;

    // The name and the score label of a rank 1 .. 5; nullptr for any other rank.
    QLabel* nameLabel(int rank) const;
    QLabel* scoreLabel(int rank) const;

    // The names and the scores of ranks 1 to 5, best first.
    std::array<QLabel*, kRows> nameLabels{};
    std::array<QLabel*, kRows> scoreLabels{};
    QPushButton* okButton = nullptr;
    // Puts the default table back, after a question.
    QPushButton* resetButton = nullptr;
};

}  // namespace kelvad
