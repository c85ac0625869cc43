// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>

namespace assetgen {

// One help page: kept as a page of its own (HTML, UTF-8) in assets/help, built into the generator as a
// resource, and written into the program directory under the name the game opens on F1.
struct HelpPage {
    const char* fileName;
    const char* resource;
};

// Japanese under the game's long-standing file name; each translation under that name's translation.
inline constexpr std::array<HelpPage, 2> kHelpPages{{
    {"Kelvad.Hlp", ":/help/Kelvad.html"},
    {"Kelvad-en.Hlp", ":/help/Kelvad-en.html"},
}};

// The page's text; empty when the generator was built without it.
QString helpPage(const HelpPage& page);

}  // namespace assetgen
