// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace kelvad {

struct CommandLineAnswer {
    // Set when the program ends here, after --help, --version or a refusal.
    std::optional<int> exitStatus;
    // The language the game speaks when it starts.
    QString language;
};

// Answers --help and --version, takes --lang, and refuses what the game does not take, before any window is
// made, so that these work without a display. Qt's own options (-platform, -style, …) pass through to the
// application.
CommandLineAnswer answerCommandLine(int argc, char** argv);

}  // namespace kelvad
