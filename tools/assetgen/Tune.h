// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

// "Battle": the tune behind a game. A minor, 156 beats a minute, intro, A, B, A' and a final
// chord: about 38 seconds, longer than the 30.5 seconds of a game. General MIDI: lead, bass, brass
// stabs, strings and drums on channel 10.
std::vector<std::uint8_t> battleTune();

}  // namespace assetgen
