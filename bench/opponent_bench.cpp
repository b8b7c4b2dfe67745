// The opponent's speed: one placement scan, one target list, the first volley of a game, a late
// volley that the DELTA phase fills shot by shot, and whole simulated games. The scan and the
// first volley are also measured with the plain move / fit / turn loop, so that the ratio of
// the two can be read off one run. The trace log is off throughout.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "opponent/opponent.h"
#include "opponent/placement_scan.h"
#include "opponent/target_list.h"
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
    for (Board* board :
         {&sea, &tally, &wk_tots, &ship_tallies[0], &ship_tallies[1], &ship_tallies[2], &ship_tallies[3]}) {
      board->allocate(grid, grid);
    }
  }
  QuietPlatform platform;
  Match match{platform};
  Opponent opponent{match.report(), 15};
  // Scratch of the benchmarks' own, for the scans done by hand.
  Board sea{match.report(), "HIS SEA"};
  Board tally{match.report(), "Tally"};
  Board wk_tots{match.report(), "WK_TOTS"};
  std::array<Board, 4> ship_tallies{Board(match.report()), Board(match.report()), Board(match.report()),
                                    Board(match.report())};
  std::array<int, 4> possib{};
};

void BM_ScanShip(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Match& match = bench->match;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        scan_ship(match.my_shots(), &bench->sea, match.mutable_his_fleet()[kBattleship], bench->tally));
  }
}
BENCHMARK(BM_ScanShip)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_ScanShipPlain(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Match& match = bench->match;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        scan_ship_plain(match.my_shots(), &bench->sea, match.mutable_his_fleet()[kBattleship], bench->tally));
  }
}
BENCHMARK(BM_ScanShipPlain)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

// The list of the first shot of a game: every cell counted by the Corvette, ties broken by the
// counts of the whole fleet.
void BM_TargetList(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Match& match = bench->match;
  Opponent& opponent = bench->opponent;
  for (Ship& ship : match.mutable_his_fleet()) scan_ship(match.my_shots(), nullptr, ship, bench->wk_tots);
  scan_ship(match.my_shots(), nullptr, match.mutable_his_fleet()[kCorvette], bench->tally);
  for (auto _ : state)
    benchmark::DoNotOptimize(opponent.target_list(match, bench->tally, match.my_shots(), &bench->wk_tots));
}
BENCHMARK(BM_TargetList)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

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

using ScanFunction = int (*)(const Board&, const Board*, Ship&, Board&);

// The first volley of a game as plan_volley fires it, the scans done by the function given:
// every ship scanned once on "HIS SEA" (none has a single placement on an empty board), their
// sum on "WK_TOTS", then the A/B phase's shots, each after a fresh scan of the ghost ship (no
// ship is below the threshold yet, so nothing is filtered). Only the trace calls, which write
// nothing here, are left out; the benchmark checks that the shots and draws are the planner's.
void fire_first_volley(BenchGame& bench, ScanFunction scan) {
  Match& match = bench.match;
  Fleet& ships = match.mutable_his_fleet();  // scratch here, as the opponent's own copies are in play
  bench.wk_tots.clear();
  bench.sea.clear();
  for (int i = 0; i < 4; ++i) {
    bench.ship_tallies[i].clear();
    bench.possib[i] = scan(match.my_shots(), &bench.sea, ships[i], bench.ship_tallies[i]);
    bench.wk_tots.add(bench.ship_tallies[i]);
  }
  for (int fired = 0; fired < match.settings().NumberOfShots; ++fired) {
    bench.tally.clear();
    int ghost = 0;
    for (int i = 1; i < 4; ++i)
      if (ships[i].tot_matches() > ships[ghost].tot_matches()) ghost = i;
    scan(match.my_shots(), &bench.sea, ships[ghost], bench.tally);
    const TargetCandidate* list = bench.opponent.target_list(match, bench.tally, match.my_shots(), &bench.wk_tots);
    match.mutable_my_shots().record_shot(match.counters().computer_volley, list[0].x, list[0].y);
  }
}

// The shots of a first volley and the generator after it.
std::vector<std::int32_t> first_volley_by(BenchGame& bench, ScanFunction scan) {
  Match& match = bench.match;
  match.mutable_my_shots().clear();
  match.mutable_counters().computer_volley = 1;
  match.random().seed(1);
  if (scan == nullptr)
    bench.opponent.plan_volley(match);
  else
    fire_first_volley(bench, scan);
  std::vector<std::int32_t> outcome(match.my_shots().data(), match.my_shots().data() + match.grid() * match.grid());
  outcome.push_back(static_cast<std::int32_t>(match.random().state()));
  return outcome;
}

void BM_PlanFirstVolleyPlainScan(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Match& match = bench->match;
  if (first_volley_by(*bench, scan_ship_plain) != first_volley_by(*bench, nullptr))
    state.SkipWithError("the volley differs from the planner's");
  for (auto _ : state) {
    state.PauseTiming();
    match.mutable_my_shots().clear();
    match.mutable_counters().computer_volley = 1;
    state.ResumeTiming();
    fire_first_volley(*bench, scan_ship_plain);
  }
}
BENCHMARK(BM_PlanFirstVolleyPlainScan)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

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
