// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/PlayField.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <memory>

namespace kelvad {

namespace platform {
class RandomSource;
class Scheduler;
class Timer;
}  // namespace platform

// The three men on the play field: the black, the blue and the yellow, each jumping to a random place at the
// rhythm of his own timer. The faster a man jumps, the more he is worth.
class Men final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(Men)

public:
    // A man's worth: the points of a hit and what it adds to the bonus meter.
    struct Worth {
        int points;
        int bonusCharge;
    };
    static constexpr std::array<Worth, kMen> kWorth{{{10, 1}, {20, 3}, {30, 5}}};

    Men(platform::Scheduler& scheduler, platform::RandomSource& random);
    ~Men() override;

    // Man 0, 1 or 2; any other index is the black man.
    const FieldPiece& man(int index) const;

    // A man shows up and takes presses, or leaves the field.
    void setShown(int index, bool shown);
    void setEnabled(int index, bool enabled);
    // Every man jumps at his interval from now on, the first jump one interval from now; 0 stops him.
    void setJumpIntervals(const std::array<std::int32_t, kMen>& intervalsMs);

signals:
    void shownChanged(int man, bool shown);
    void enabledChanged(int man, bool enabled);
    void moved(int man, QPointF place);

private:
    void jump(int index);

    platform::RandomSource& m_random;
    std::array<FieldPiece, kMen> m_men{};
    std::array<std::unique_ptr<platform::Timer>, kMen> m_jumpTimers;
};

}  // namespace kelvad
