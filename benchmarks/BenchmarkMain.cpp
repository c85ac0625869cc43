// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The handler benchmarks. Without a display they draw on Qt's offscreen platform; under X (QT_QPA_PLATFORM
// unset, DISPLAY set) they draw through xcb as the game does.
#include "ui/Fonts.h"

#include <QApplication>
#include <QByteArray>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("KELVAD_PROGRAM_DIR")) {
        qputenv("KELVAD_PROGRAM_DIR", QByteArray(KELVAD_BUILT_PROGRAM_DIR));
    }

    QApplication app(argc, argv);
    kelvad::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
