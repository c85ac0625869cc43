// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What each of the game's busiest handlers costs, with the paint it leaves to the event loop, without the
// deliberate waits between animation frames.
#include "GameBench.h"
#include "game/Lifecycle.h"
#include "game/Shots.h"
#include "game/Targets.h"
#include "state/GameState.h"
#include "ui/Gauge.h"
#include "ui/MainWindow.h"

#include <benchmark/benchmark.h>

namespace kelvad::bench {

namespace {

// A point of the play field right of every place a man, the civilian or a plate can stand: a shot there
// always misses.
constexpr float kMissX = 3700;
constexpr float kMissY = 1500;
constexpr int kLeftButton = 1;
constexpr int kBlueMan = 1;

// A left press on the empty field: the gun's sound, the hit rate, four frames of the shot mark, a bullet.
void BM_ShotMiss(benchmark::State& state) {
    GameBench bench;
    bench.pointAt(kMissX, kMissY);
    for (auto _ : state) {
        FieldMouseDown(bench.window(), bench.game(), kLeftButton);
        GameBench::settle();
        state.PauseTiming();
        bench.rearm();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShotMiss)->Unit(benchmark::kMicrosecond);

// A left press on the blue man: the shot as above, then the score, his fall painted into the field in three
// frames, the kill count and the bonus meter.
void BM_ShotHit(benchmark::State& state) {
    GameBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.rearm();
        MoveMan(bench.window(), bench.game(), kBlueMan);
        bench.pointAt(bench.game().menPlaces[1].left + 195, bench.game().menPlaces[1].top + 290);
        GameBench::settle();
        state.ResumeTiming();
        ManMouseDown(bench.window(), bench.game(), kBlueMan, kLeftButton);
        GameBench::settle();
    }
}
BENCHMARK(BM_ShotHit)->Unit(benchmark::kMicrosecond);

// The hit that makes the 21st kill: as above, and the next background is read from its file.
void BM_ShotHitStageChange(benchmark::State& state) {
    GameBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.rearm();
        bench.game().killCount = kFirstStageKills;
        bench.game().background2Shown = false;
        MoveMan(bench.window(), bench.game(), kBlueMan);
        bench.pointAt(bench.game().menPlaces[1].left + 195, bench.game().menPlaces[1].top + 290);
        GameBench::settle();
        state.ResumeTiming();
        ManMouseDown(bench.window(), bench.game(), kBlueMan, kLeftButton);
        GameBench::settle();
    }
}
BENCHMARK(BM_ShotHitStageChange)->Unit(benchmark::kMicrosecond);

// The time bar drawn anew for one value: the gauge's whole redraw and its repaint.
void BM_GaugeRedraw(benchmark::State& state) {
    GameBench bench;
    Gauge& gauge = *bench.window().timeGauge;
    std::int32_t value = 0;
    for (auto _ : state) {
        gauge.setValue(value);
        GameBench::settle();
        value = value == 0 ? kTicksPerGame : value - 1;
    }
}
BENCHMARK(BM_GaugeRedraw)->Unit(benchmark::kMicrosecond);

// One tick of the game clock in mid-game.
void BM_ClockTick(benchmark::State& state) {
    GameBench bench;
    for (auto _ : state) {
        ClockTick(bench.window(), bench.game());
        GameBench::settle();
        if (bench.game().timeLeft <= 1) {
            bench.game().timeLeft = kTicksPerGame;
            bench.window().timeGauge->setValue(kTicksPerGame);
        }
    }
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

// One tick of a man's timer: he jumps to a new place.
void BM_ManJump(benchmark::State& state) {
    GameBench bench;
    for (auto _ : state) {
        MoveMan(bench.window(), bench.game(), kBlueMan);
        GameBench::settle();
    }
}
BENCHMARK(BM_ManJump)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace kelvad::bench
