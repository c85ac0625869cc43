// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/HighScoreTableWindow.h"
#include "ui/NameEntryWindow.h"
#include "ui/SpeedWindow.h"

#include <QString>

#include <memory>

namespace kelvad {

// One of the three small windows by its design name, owned by the test.
inline std::unique_ptr<SmallWindow> makeWindow(const QString& name, QWidget* owner) {
    if (name == QLatin1String("Form2")) {
        return std::make_unique<NameEntryWindow>(owner);
    }
    if (name == QLatin1String("Form3")) {
        return std::make_unique<HighScoreTableWindow>(owner);
    }
    return std::make_unique<SpeedWindow>(owner);
}

}  // namespace kelvad
