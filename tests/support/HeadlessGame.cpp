// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HeadlessGame.h"

#include <algorithm>
#include <vector>

namespace kelvad::testing {

namespace {

// A game lasts 30.5 s; no man waits longer than 3 s for his jump.
constexpr int kLongestWaitMs = 31000;
constexpr int kStepMs = 10;

// The men whose hits fill the meter to this amount (black 1, blue 3, yellow 5), the yellow man last.
std::vector<int> hitsFor(int amount) {
    std::vector<int> men(static_cast<std::size_t>(amount % 5 % 3), 0);
    if (amount % 5 >= 3) {
        men.push_back(1);
    }
    men.insert(men.end(), static_cast<std::size_t>(amount / 5), 2);
    return men;
}

}  // namespace

HeadlessGame::HeadlessGame() {
    platform.copyGameFiles();
    m_game = std::make_unique<Game>(platform.platform());
    QObject::connect(&m_game->guns(), &Guns::bulletShown, [this](int index, bool shown) {
        m_bullets.at(static_cast<std::size_t>(index)) = shown;
    });
    QObject::connect(&m_game->guns(), &Guns::countChanged,
                     [this](int gun, int count) { m_ammoCounts.at(static_cast<std::size_t>(gun)) = count; });
    m_game->load();
}

HeadlessGame::~HeadlessGame() = default;

QString HeadlessGame::programFile(const QString& name) const {
    return platform::programFile(platform.programDirectory(), name);
}

bool HeadlessGame::advanceUntil(const std::function<bool()>& done) {
    for (int waited = 0; waited < kLongestWaitMs; waited += kStepMs) {
        if (done()) {
            return true;
        }
        advance(kStepMs);
    }
    return done();
}

bool HeadlessGame::takesPresses(int man) const {
    return m_game->men().man(man).shown && m_game->men().man(man).enabled;
}

bool HeadlessGame::anyPlateShown() const {
    const BonusPlates& plates = m_game->plates();
    return plates.plate(0).shown || plates.plate(1).shown || plates.plate(2).shown;
}

bool HeadlessGame::waitForMan(int man) {
    return advanceUntil([&] { return takesPresses(man); });
}

bool HeadlessGame::hitMan(int man) {
    const int hits = m_game->hitCount();
    if (waitForMan(man)) {
        m_game->pressMan(man, Qt::LeftButton);
    }
    return m_game->hitCount() == hits + 1;
}

bool HeadlessGame::hitAnyMan() {
    return advanceUntil([&] { return takesPresses(0) || takesPresses(1) || takesPresses(2); }) &&
           hitMan(takesPresses(2)   ? 2
                  : takesPresses(1) ? 1
                                    : 0);
}

void HeadlessGame::miss(int shots) {
    for (int shot = 0; shot < shots; ++shot) {
        m_game->pressField(Qt::LeftButton);
    }
}

bool HeadlessGame::charge(int amount) {
    const std::vector<int> men = hitsFor(amount);
    return std::all_of(men.begin(), men.end(), [this](int man) { return hitMan(man); }) &&
           m_game->plates().charge() == amount;
}

bool HeadlessGame::start(const Situation& situation) {
    m_game->chooseGun(situation.gun);
    m_game->clickStart();
    for (int kill = 0; kill < situation.kills; ++kill) {
        if (!hitAnyMan()) {
            return false;
        }
    }
    if (situation.bulletsLeft >= 0) {
        miss(m_game->guns().ammoLeft() - situation.bulletsLeft -
             static_cast<int>(hitsFor(situation.charge).size()));
    }
    return (situation.charge == 0 || charge(situation.charge)) &&
           (situation.bulletsLeft < 0 || m_game->guns().ammoLeft() == situation.bulletsLeft);
}

void HeadlessGame::returnToStart() {
    platform.messageBoxes.answer(platform::MessageAnswer::Yes);
    m_game->chooseReturnToStart();
}

int HeadlessGame::shownBullets() const {
    return static_cast<int>(std::count(m_bullets.begin(), m_bullets.end(), true));
}

}  // namespace kelvad::testing
