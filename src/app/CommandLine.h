// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace kelvad {

// Answers --help and --version, and refuses what the game does not take, before any window is made, so that
// these work without a display. Returns the exit status when the program ends here; nothing when the game is
// to start. Qt's own options (-platform, -style, …) pass through to the application.
std::optional<int> answerCommandLine(int argc, char** argv);

}  // namespace kelvad
