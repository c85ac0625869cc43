// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakePlatform.h"
#include "game/Game.h"

#include <array>
#include <functional>
#include <memory>

namespace kelvad::testing {

// A random value that places a piece at exactly this left or top in twips.
inline double leftAt(int twips) {
    return (twips + 0.5) / 3240.0;
}
inline double topAt(int twips) {
    return (twips + 0.5) / 2880.0;
}

// A game just started in the situation a test needs, said in one line and reached through play:
//     game.start({.gun = 2, .bulletsLeft = 3});
struct Situation {
    int gun = 1;
    // Men hit first, whichever shows: 21 kills bring the stage bonus of 20, 41 that of 40.
    int kills = 0;
    // Spent by misses on the field, so they count as shots; -1 keeps what the other hits leave.
    int bulletsLeft = -1;
    // The bonus meter, filled last by hits from empty (see charge()).
    int charge = 0;
};

// The game's timers, in the order the game makes them: Civilian brings him, CivilianStay ends his stay.
enum class GameTimer { Clock, Reload, Message, BlackMan, BlueMan, YellowMan, Civilian, CivilianStay, Plates };

// The game alone on the fake platform, loaded, with the game's sounds and pictures in its program directory:
// no window and no widget. A test drives it as the windows would and checks what it says.
class HeadlessGame {
public:
    HeadlessGame();
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    Game& operator*() { return *m_game; }
    Game* operator->() { return m_game.get(); }
    const platform::Timer& timer(GameTimer timer) const {
        return platform.scheduler.timer(static_cast<std::size_t>(timer));
    }
    // A file of the game, as the game names it to the sound device and the windows.
    QString programFile(const QString& name) const;

    // Runs every tick due in the next ms milliseconds.
    void advance(std::int64_t ms) { platform.scheduler.advance(ms); }
    // Lets time pass in steps of 10 ms until done() holds; false when it does not within a game's length.
    bool advanceUntil(const std::function<bool()>& done);
    // Whether the man shows and takes presses; waitForMan() lets time pass until he does.
    bool takesPresses(int man) const;
    bool waitForMan(int man);
    bool anyPlateShown() const;
    // Shoots the man as soon as he shows, or whichever man shows first; false when none did or the shot
    // was refused.
    bool hitMan(int man);
    bool hitAnyMan();
    // Left presses on the bare field.
    void miss(int shots = 1);
    // Fills an empty bonus meter to 1..29 with hits, the yellow man's last, so that no shot on the way finds
    // it full.
    bool charge(int amount);
    // Chooses the gun, starts and plays into the situation; false when it could not be reached.
    bool start(const Situation& situation = {});
    // Leaves the game for the ready state, answering the question with yes.
    void returnToStart();

    // What the status panel shows: the first gun's bullet images, the count beside the others' gauges.
    int shownBullets() const;
    int ammoCount(int gun) const { return m_ammoCounts.at(static_cast<std::size_t>(gun)); }

    TestPlatform platform;

private:
    std::unique_ptr<Game> m_game;
    std::array<bool, Guns::kBulletImages> m_bullets{};
    std::array<int, Guns::kGuns + 1> m_ammoCounts{};
};

}  // namespace kelvad::testing
