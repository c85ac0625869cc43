// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestMain.h"
#include "ui/Fonts.h"

#include <QApplication>

namespace kelvad::testing {

// Runs several QTest classes in one executable, so that each subsystem has one test program for its windows.
template <typename... Tests>
int runTests(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutions();
    return runEach<Tests...>(argc, argv);
}

}  // namespace kelvad::testing

#define KELVAD_TEST_MAIN(...)                                      \
    int main(int argc, char** argv) {                              \
        return kelvad::testing::runTests<__VA_ARGS__>(argc, argv); \
    }
