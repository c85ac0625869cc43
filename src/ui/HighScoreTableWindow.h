#pragma once

#include "ui/SmallWindow.h"

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
    QLabel* NA(int rank) const;
    QLabel* TO(int rank) const;

    QLabel* Label1 = nullptr;
    // The rank digits.
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* NA1 = nullptr;
    QLabel* NA2 = nullptr;
    QLabel* NA3 = nullptr;
    QLabel* NA4 = nullptr;
    QLabel* NA5 = nullptr;
    QLabel* TO1 = nullptr;
    QLabel* TO2 = nullptr;
    QLabel* TO3 = nullptr;
    QLabel* TO4 = nullptr;
    QLabel* TO5 = nullptr;
    // The unit "点" after each score.
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label21 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace kelvad
