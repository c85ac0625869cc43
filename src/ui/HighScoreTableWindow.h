// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/SmallWindow.h"

#include <QStringList>

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

    // The names and the scores of ranks 1 to 5, best first; rows beyond those given stay as they are.
    void showRows(const QStringList& names, const QStringList& scores);

signals:
    void confirmed();
    // Puts the default table back, after a question.
    void resetAsked();

private:
    std::array<QLabel*, kRows> m_nameLabels{};
    std::array<QLabel*, kRows> m_scoreLabels{};
};

}  // namespace kelvad
