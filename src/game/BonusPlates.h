// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/PlayField.h"

#include <QObject>

#include <array>
#include <memory>

namespace kelvad {

namespace platform {
class RandomSource;
class Scheduler;
class Timer;
}  // namespace platform

// The bonus meter and the three plates it brings up. Hits fill the meter; once it holds 25 the next fired
// shot brings up one plate, at random, for three seconds, worth 50, 100 or 150 points to a click.
class BonusPlates final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(BonusPlates)

public:
    static constexpr int kThreshold = 25;
    static constexpr std::array<int, kPlates> kPoints{50, 100, 150};

    BonusPlates(platform::Scheduler& scheduler, platform::RandomSource& random);
    ~BonusPlates() override;

    int charge() const { return m_charge; }
    // Plate 0, 1 or 2; any other index is the first.
    const FieldPiece& plate(int index) const;

    void emptyMeter() { m_charge = 0; }
    void addCharge(int amount) { m_charge += amount; }
    // A fired shot: a full meter empties and brings up a plate. What lay above the threshold is lost.
    void bringUpIfCharged();
    // A plate collected: it goes.
    void take(int index);
    // The end of play: every plate goes, one after the other.
    void clearField();

signals:
    void shownChanged(int plate, bool shown);
    void enabledChanged(int plate, bool enabled);
    void moved(int plate, QPointF place);

private:
    // Three seconds after one showed up, every plate goes.
    void expire();
    void setShown(int index, bool shown);
    void setEnabled(int index, bool enabled);

    platform::RandomSource& m_random;
    int m_charge = 0;
    std::array<FieldPiece, kPlates> m_plates{};
    std::unique_ptr<platform::Timer> m_expiryTimer;
};

}  // namespace kelvad
