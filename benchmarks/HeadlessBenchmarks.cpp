// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole games played by the game alone, with no window: the rules' own cost, on the virtual clock.
#include "GamePlayer.h"
#include "HeadlessGame.h"
#include "TranscriptGame.h"

#include <benchmark/benchmark.h>

namespace kelvad::bench {

namespace {

// The session of the game's transcript: three games, with the windows between them, played straight to the
// game. Reports games per second.
void BM_WholeGamesHeadless(benchmark::State& state) {
    constexpr int kGamesPerSession = 3;
    for (auto _ : state) {
        state.PauseTiming();
        auto alone = std::make_unique<testing::HeadlessGame>();
        Game& game = **alone;
        testing::GamePlayer player(game, alone->platform);
        state.ResumeTiming();
        testing::playTranscriptGame(player);
        state.PauseTiming();
        const bool ended = !game.playing() && game.killCount() > Game::kSecondStageKills;
        alone.reset();
        state.ResumeTiming();
        if (!ended) {
            state.SkipWithError("the session did not play to its end");
            break;
        }
    }
    state.counters["games"] = benchmark::Counter(static_cast<double>(state.iterations() * kGamesPerSession),
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeGamesHeadless)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace kelvad::bench
