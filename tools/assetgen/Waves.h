// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

using Samples = std::vector<std::int16_t>;

// The three guns: short, with a sharp attack, so that quick series of shots stay crisp.
Samples handgunShot();
Samples submachineGunShot();
Samples heavyGunShot();

Samples bonusChime();    // a bonus plate is hit
Samples rescueJingle();  // the civilian is saved
Samples civilianCry();   // the civilian is shot

}  // namespace assetgen
