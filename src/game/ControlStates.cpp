// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/ControlStates.h"

namespace kelvad {

namespace {

// Shown or enabled, hidden or disabled, or kept as it is.
enum class Set { On, Off, Kept };

struct GroupStates {
    Set titlePanels;
    Set startButton;
    Set startItems;
    Set gameItems;
    Set timeBonus;
};

constexpr GroupStates statesOf(Phase phase) {
    // Title panels, Start button, start items, game items, time bonus.
    switch (phase) {
        case Phase::Ready:
            return {Set::On, Set::On, Set::On, Set::Off, Set::On};
        case Phase::Playing:
            return {Set::Off, Set::Off, Set::Off, Set::On, Set::Off};
        case Phase::GameOver:
            return {Set::On, Set::Kept, Set::Kept, Set::Kept, Set::Kept};
        case Phase::TableClosedByFrame:
            return {Set::Kept, Set::Kept, Set::On, Set::Kept, Set::Kept};
    }
    return {Set::Kept, Set::Kept, Set::Kept, Set::Kept, Set::Kept};
}

// Sets one group and says so, unless the phase keeps it.
template <typename Signal>
void apply(ControlStates* states, Set set, bool& state, Signal changed) {
    if (set != Set::Kept) {
        state = set == Set::On;
        emit(states->*changed)(state);
    }
}

}  // namespace

void ControlStates::setPhase(Phase phase) {
    const GroupStates states = statesOf(phase);
    apply(this, states.titlePanels, m_titlePanelsShown, &ControlStates::titlePanelsShownChanged);
    apply(this, states.startButton, m_startButtonEnabled, &ControlStates::startButtonEnabledChanged);
    apply(this, states.startItems, m_startItemsEnabled, &ControlStates::startItemsEnabledChanged);
    apply(this, states.gameItems, m_gameItemsEnabled, &ControlStates::gameItemsEnabledChanged);
    apply(this, states.timeBonus, m_timeBonusEnabled, &ControlStates::timeBonusEnabledChanged);
}

}  // namespace kelvad
