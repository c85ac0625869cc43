#pragma once

#include <QApplication>
#include <QTest>

#include "ui/Fonts.h"

// Runs several QTest classes in one executable, so that each subsystem has one test program.
// Arguments given on the command line are passed to every class.
template <typename... Tests>
int runTests(int argc, char** argv) {
    QApplication app(argc, argv);
    kelvad::installFontSubstitutions();
    int failures = 0;
    auto run = [&](QObject&& test) { failures += QTest::qExec(&test, argc, argv); };
    (run(Tests{}), ...);
    return failures == 0 ? 0 : 1;
}

#define KELVAD_TEST_MAIN(...)                     \
    int main(int argc, char** argv) {             \
        return runTests<__VA_ARGS__>(argc, argv); \
    }
