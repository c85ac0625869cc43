// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/PlayField.h"

#include <QObject>

#include <memory>

namespace kelvad {

namespace platform {
class RandomSource;
class Scheduler;
class Timer;
}  // namespace platform

// The civilian: while a game runs he turns up at a random place every ten seconds and stays for a second and
// a half. Shooting him costs time, rescuing him with the right button wins it.
class Civilian final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(Civilian)

public:
    // What shooting him costs and rescuing him gives, in ticks of the game clock.
    static constexpr int kTicks = 5;

    Civilian(platform::Scheduler& scheduler, platform::RandomSource& random);
    ~Civilian() override;

    const FieldPiece& piece() const { return m_piece; }

    // Turns up every ten seconds from now on; stop ends that and any stay.
    void startComing();
    void stopComing();
    // Hidden, as a new game begins.
    void hide();
    // Leaves the field: shot, rescued, or his time is up.
    void leave();

signals:
    void shownChanged(bool shown);
    void enabledChanged(bool enabled);
    void moved(QPointF place);

private:
    void arrive();
    void setShown(bool shown);
    void setEnabled(bool enabled);

    platform::RandomSource& m_random;
    // Enabled by design: he takes presses whenever he is shown.
    FieldPiece m_piece{false, true, {}};
    std::unique_ptr<platform::Timer> m_arrivalTimer;
    std::unique_ptr<platform::Timer> m_departureTimer;
};

}  // namespace kelvad
