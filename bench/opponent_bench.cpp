// The opponent's speed: one placement scan, the first volley of a game, a late volley that the
// DELTA phase fills shot by shot, and whole simulated games. The trace log is off throughout.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "opponent/opponent.h"
#include "opponent/placement_scan.h"
#include "setup/match.h"
#include "setup/start_up.h"

namespace vornmark {
namespace {

class QuietPlatform : public Platform {
 public:
  BoxAnswer message_box(const MessageBoxRequest&) override { return BoxAnswer::Ok; }
  void beep() override {}
  void set_busy_cursor(bool) override {}
  [[noreturn]] void exit_process(int code) override { std::exit(code); }
};

// A started game on a grid of the given size, Intermediate, ten shots, threshold 10.
struct BenchGame {
  explicit BenchGame(int grid) {
    StartUpOptions options;
    options.command_line = "-D3";
    start_up(match, options);
    match.mutable_settings().MaxCells = grid;
    match.mutable_settings().PlayLevel = kIntermediate;
    match.mutable_settings().NumberOfShots = 10;
    match.mutable_settings().AmbiguityThreshold = 10;
    match.resize_boards_to_grid();
    opponent.resize(grid);
  }
  QuietPlatform platform;
  Match match{platform};
  Opponent opponent{match.report()};
};

void BM_ScanShip(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Match& match = bench->match;
  Opponent& opponent = bench->opponent;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scan_ship(match.my_shots(), &opponent.his_sea(), match.mutable_his_fleet()[kBattleship],
                                       opponent.mutable_tally()));
  }
}
BENCHMARK(BM_ScanShip)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_PlanFirstVolley(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Match& match = bench->match;
  Opponent& opponent = bench->opponent;
  for (auto _ : state) {
    state.PauseTiming();
    match.mutable_my_shots().clear();
    match.mutable_counters().computer_volley = 1;
    state.ResumeTiming();
    benchmark::DoNotOptimize(opponent.plan_volley(match));
  }
}
BENCHMARK(BM_PlanFirstVolley)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

// A 30 x 30 position after a volley that missed everywhere but these cells: every ship of the
// player is pinned, none has been hit, and the DELTA phase fires all ten shots of the volley.
constexpr CellPos kLateUnshotCells[] = {
    {9, 20},  {10, 10}, {10, 11}, {10, 12}, {10, 13}, {10, 20}, {10, 21}, {11, 13}, {11, 21}, {12, 22}, {12, 23},
    {13, 21}, {15, 9},  {15, 12}, {16, 10}, {16, 11}, {16, 12}, {17, 10}, {22, 10}, {22, 11}, {23, 12},
};

void lay_out_late_position(Match& match) {
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) match.mutable_my_shots().cell(x, y) = 1;
  for (CellPos c : kLateUnshotCells) match.mutable_my_shots().cell(c.x, c.y) = 0;
  match.mutable_counters().computer_volley = 2;
}

void BM_PlanLateDeltaVolley(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(30);
  Match& match = bench->match;
  Opponent& opponent = bench->opponent;
  lay_out_late_position(match);
  if (opponent.plan_volley(match) != VolleyPhase::Delta) state.SkipWithError("the position is not in the DELTA phase");
  int fired = 0;
  for (CellPos c : kLateUnshotCells) fired += match.my_shots().cell(c.x, c.y) == 2;
  if (fired != 10) state.SkipWithError("the DELTA phase did not fire ten shots");
  for (auto _ : state) {
    state.PauseTiming();
    lay_out_late_position(match);
    state.ResumeTiming();
    benchmark::DoNotOptimize(opponent.plan_volley(match));
  }
}
BENCHMARK(BM_PlanLateDeltaVolley)->Unit(benchmark::kMicrosecond);

// Whole games as the Simulation command plays them: a fleet scattered at random, then volley
// after volley with the hits scored automatically until the fleet is sunk.
void BM_SimulatedGame(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Match& match = bench->match;
  Opponent& opponent = bench->opponent;
  long volleys = 0;
  for (auto _ : state) {
    match.new_game(Match::Counted::No);
    opponent.new_game();
    match.mutable_his_real_ships().clear();
    random_place_fleet(match.random(), match.grid(), match.mutable_his_fleet(), match.mutable_his_real_ships());
    int left = 12;
    for (match.mutable_counters().computer_volley = 1; left > 0; ++match.mutable_counters().computer_volley) {
      opponent.plan_volley(match);
      match.take_real_hits();
      left = 0;
      for (const Ship& ship : match.his_fleet()) left += ship.cells_left();
      ++volleys;
    }
  }
  state.counters["volleys_per_game"] =
      benchmark::Counter(static_cast<double>(volleys) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_SimulatedGame)->Arg(15)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornmark
