// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What each of the game's busiest handlers costs, with the paint it leaves to the event loop, without the
// deliberate waits between animation frames.
#include "GameBench.h"

#include <benchmark/benchmark.h>

namespace kelvad::bench {

namespace {

// A point of the play field right of every place a man, the civilian or a plate can stand: a shot there
// always misses.
const QPointF kMiss(3700, 1500);
constexpr int kBlueMan = 1;
// The fastest to come back after a hit: 21 kills fit in a game.
constexpr int kYellowMan = 2;
// Hits on the blue man in one game before it is started afresh: his three points of bonus meter a hit bring
// no plate before the ninth, and a plate over the field would change what a repaint costs.
constexpr int kQuietKills = 8;

// A left press on the empty field: the gun's sound, the hit rate, four frames of the shot mark, a bullet.
void BM_ShotMiss(benchmark::State& state) {
    GameBench bench;
    bench.game().moveOverField(kMiss);
    for (auto _ : state) {
        bench.game().pressField(Qt::LeftButton);
        GameBench::settle();
        if (bench.game().guns().ammoLeft() < 2) {
            state.PauseTiming();
            bench.restart();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_ShotMiss)->Unit(benchmark::kMicrosecond);

// A left press on the blue man: the shot as above, then the score, his fall painted into the field in three
// frames, the kill count and the bonus meter.
void BM_ShotHit(benchmark::State& state) {
    GameBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        if (bench.game().killCount() >= kQuietKills) {
            bench.restart();
        }
        bench.waitForMan(kBlueMan);
        bench.game().moveOverMan(kBlueMan, QPointF(195, 290));
        GameBench::settle();
        state.ResumeTiming();
        bench.game().pressMan(kBlueMan, Qt::LeftButton);
        GameBench::settle();
    }
}
BENCHMARK(BM_ShotHit)->Unit(benchmark::kMicrosecond);

// The hit that makes the 21st kill: as above, and the next background is read from its file.
void BM_ShotHitStageChange(benchmark::State& state) {
    GameBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.restart();
        while (bench.game().killCount() < Game::kFirstStageKills) {
            bench.waitForMan(kYellowMan);
            bench.game().pressMan(kYellowMan, Qt::LeftButton);
        }
        // The full bonus meter brings its plate on a miss now, and the plate goes, so that the hit measured
        // brings none.
        bench.game().pressField(Qt::LeftButton);
        bench.fakes().scheduler.advance(3100);
        bench.waitForMan(kYellowMan);
        GameBench::settle();
        state.ResumeTiming();
        bench.game().pressMan(kYellowMan, Qt::LeftButton);
        GameBench::settle();
        if (bench.game().stageBonus() != Game::kFirstStageBonus || bench.game().plates().charge() != 5) {
            state.SkipWithError("the hit changed no stage, or brought a plate");
            break;
        }
    }
}
BENCHMARK(BM_ShotHitStageChange)->Unit(benchmark::kMicrosecond);

// The time bar drawn anew for one value: the gauge's whole redraw and its repaint.
void BM_GaugeRedraw(benchmark::State& state) {
    GameBench bench;
    int value = 0;
    for (auto _ : state) {
        bench.window().showTimeBar(value, Game::kTicksPerGame);
        GameBench::settle();
        value = value == 0 ? Game::kTicksPerGame : value - 1;
    }
}
BENCHMARK(BM_GaugeRedraw)->Unit(benchmark::kMicrosecond);

// Half a second of a game in mid-play: a tick of the game clock, the men who jump meanwhile, and the
// repaint.
void BM_HalfASecondOfPlay(benchmark::State& state) {
    GameBench bench;
    for (auto _ : state) {
        bench.fakes().scheduler.advance(500);
        GameBench::settle();
        if (bench.game().timeLeft() <= 1) {
            state.PauseTiming();
            bench.restart();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_HalfASecondOfPlay)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace kelvad::bench
