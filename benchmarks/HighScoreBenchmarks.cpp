// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing the high-score file as the game does: at start-up, and after every new entry.
#include "GameBench.h"
#include "scores/HighScoreFile.h"
#include "scores/HighScores.h"
#include "state/GameState.h"

#include <benchmark/benchmark.h>

namespace kelvad::bench {

namespace {

// The file read, the table checked and the high-score window's labels filled.
void BM_LoadHighScores(benchmark::State& state) {
    GameBench bench;
    UpdateHighScores(bench.window(), bench.game(), [](HighScoreTable&) {});
    for (auto _ : state) {
        LoadHighScores(bench.window(), bench.game());
    }
    if (!HighScoreFile::inProgramDirectory(bench.fakes().platform().scoreDirectory).read()) {
        state.SkipWithError("the high-score file did not read back");
    }
}
BENCHMARK(BM_LoadHighScores)->Unit(benchmark::kMicrosecond);

// A new entry: the file read under its lock, and a new table written beside it and put in its place.
void BM_SaveHighScores(benchmark::State& state) {
    GameBench bench;
    // The last place alternates between two scores below the fourth, so the table stays in order.
    qint64 score = 0;
    for (auto _ : state) {
        state.PauseTiming();
        score = score == 0 ? 100 : 0;
        state.ResumeTiming();
        UpdateHighScores(bench.window(), bench.game(),
                         [score](HighScoreTable& table) { table.scores[4] = score; });
    }
    const auto stored = HighScoreFile::inProgramDirectory(bench.fakes().platform().scoreDirectory).read();
    if (!stored || stored->scores[4] != score) {
        state.SkipWithError("the last table written is not in the file");
    }
}
BENCHMARK(BM_SaveHighScores)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace kelvad::bench
