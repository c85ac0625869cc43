// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing the high-score file as the game does: at start-up, and after every new entry.
#include "GameBench.h"
#include "scores/HighScoreFile.h"
#include "scores/HighScores.h"

#include <benchmark/benchmark.h>

namespace kelvad::bench {

namespace {

// The table shown in the high-score window's labels, as the game's windows show it.
void showTable(HighScores& table, MainWindow& window) {
    QObject::connect(&table, &HighScores::tableChanged, &window, [&window](const HighScoreTable& shown) {
        QStringList names;
        QStringList scores;
        for (std::size_t rank = 0; rank < HighScoreTable::kEntries; ++rank) {
            names << shown.names[rank];
            scores << QString::number(shown.scores[rank]);
        }
        window.showHighScores(names, scores);
    });
}

// The file read, the table checked and the high-score window's labels filled.
void BM_LoadHighScores(benchmark::State& state) {
    GameBench bench;
    HighScores table(bench.fakes().platform().scoreDirectory);
    showTable(table, bench.window());
    for (auto _ : state) {
        table.load();
    }
    if (!HighScoreFile::inProgramDirectory(bench.fakes().platform().scoreDirectory).read()) {
        state.SkipWithError("the high-score file did not read back");
    }
}
BENCHMARK(BM_LoadHighScores)->Unit(benchmark::kMicrosecond);

// A new entry: the file read under its lock, and a new table written beside it and put in its place.
void BM_SaveHighScores(benchmark::State& state) {
    GameBench bench;
    HighScores table(bench.fakes().platform().scoreDirectory);
    showTable(table, bench.window());
    table.load();
    // Each entry wins the last place and the next is reset to the defaults.
    qint64 score = 0;
    for (auto _ : state) {
        state.PauseTiming();
        score = score == 0 ? 100 : 0;
        if (score == 0) {
            table.reset();
        }
        state.ResumeTiming();
        table.enter(QStringLiteral("Bench"), score + 1);
    }
    const auto stored = HighScoreFile::inProgramDirectory(bench.fakes().platform().scoreDirectory).read();
    if (!stored || stored->scores[4] != score + 1) {
        state.SkipWithError("the last entry written is not in the file");
    }
}
BENCHMARK(BM_SaveHighScores)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace kelvad::bench
