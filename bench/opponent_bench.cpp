// The opponent's speed: one placement scan, one target list, the first volley of a game, a late
// volley that the DELTA phase fills shot by shot, and whole simulated games. The scan and the
// first volley are also measured with the plain move / fit / turn loop, so that the ratio of
// the two can be read off one run. The trace log is off throughout.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "opponent/placement_scan.h"
#include "opponent/real_hits.h"
#include "opponent/target_list.h"
#include "opponent/volley_planner.h"
#include "setup/game.h"
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
    start_up(game, options);
    game.settings.MaxCells = grid;
    game.settings.PlayLevel = kIntermediate;
    game.settings.NumberOfShots = 10;
    game.settings.AmbiguityThreshold = 10;
    for (Board* board : {&game.my_sea, &game.my_shots, &game.his_sea, &game.his_shots, &game.his_real_ships,
                         &game.tally, &game.wk_tots, &game.temp_tally})
      board->set_size(grid, grid);
    for (Board& board : game.ship_tallies) board.set_size(grid, grid);
  }
  QuietPlatform platform;
  Game game{platform};
};

void BM_ScanShip(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Game& game = bench->game;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scan_ship(game.my_shots, &game.his_sea, game.his_fleet[kBattleship], game.tally));
  }
}
BENCHMARK(BM_ScanShip)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_ScanShipPlain(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Game& game = bench->game;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scan_ship_plain(game.my_shots, &game.his_sea, game.his_fleet[kBattleship], game.tally));
  }
}
BENCHMARK(BM_ScanShipPlain)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

// The list of the first shot of a game: every cell counted by the Corvette, ties broken by the
// counts of the whole fleet.
void BM_TargetList(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Game& game = bench->game;
  for (Ship& ship : game.his_fleet) scan_ship(game.my_shots, nullptr, ship, game.wk_tots);
  scan_ship(game.my_shots, nullptr, game.his_fleet[kCorvette], game.tally);
  for (auto _ : state) benchmark::DoNotOptimize(target_list(game, game.tally, game.my_shots, &game.wk_tots));
}
BENCHMARK(BM_TargetList)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_PlanFirstVolley(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Game& game = bench->game;
  for (auto _ : state) {
    state.PauseTiming();
    game.my_shots.clear();
    game.computer_volley = 1;
    state.ResumeTiming();
    benchmark::DoNotOptimize(plan_volley(game));
  }
}
BENCHMARK(BM_PlanFirstVolley)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

using ScanFunction = int (*)(const Board&, const Board*, Ship&, Board&);

// The first volley of a game as plan_volley fires it, the scans done by the function given:
// every ship scanned once on "HIS SEA" (none has a single placement on an empty board), their
// sum on "WK_TOTS", then the A/B phase's shots, each after a fresh scan of the ghost ship (no
// ship is below the threshold yet, so nothing is filtered). Only the trace calls, which write
// nothing here, are left out; the benchmark checks that the shots and draws are the planner's.
void fire_first_volley(Game& game, ScanFunction scan) {
  game.wk_tots.set_size(game.grid(), game.grid());
  game.wk_tots.clear();
  game.his_sea.clear();
  for (int i = 0; i < 4; ++i) {
    game.ship_tallies[i].clear();
    game.possib[i] = scan(game.my_shots, &game.his_sea, game.his_fleet[i], game.ship_tallies[i]);
    game.wk_tots.add(game.ship_tallies[i]);
  }
  for (int fired = 0; fired < game.settings.NumberOfShots; ++fired) {
    game.tally.clear();
    int ghost = 0;
    for (int i = 1; i < 4; ++i)
      if (game.his_fleet[i].tot_matches() > game.his_fleet[ghost].tot_matches()) ghost = i;
    scan(game.my_shots, &game.his_sea, game.his_fleet[ghost], game.tally);
    const TargetCandidate* list = target_list(game, game.tally, game.my_shots, &game.wk_tots);
    game.my_shots.record_shot(game.computer_volley, list[0].x, list[0].y);
  }
}

// The shots of a first volley and the generator after it.
std::vector<std::int32_t> first_volley_by(Game& game, ScanFunction scan) {
  game.my_shots.clear();
  game.computer_volley = 1;
  game.random.seed(1);
  if (scan == nullptr)
    plan_volley(game);
  else
    fire_first_volley(game, scan);
  std::vector<std::int32_t> outcome(game.my_shots.data(), game.my_shots.data() + game.grid() * game.grid());
  outcome.push_back(static_cast<std::int32_t>(game.random.state()));
  return outcome;
}

void BM_PlanFirstVolleyPlainScan(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Game& game = bench->game;
  if (first_volley_by(game, scan_ship_plain) != first_volley_by(game, nullptr))
    state.SkipWithError("the volley differs from the planner's");
  for (auto _ : state) {
    state.PauseTiming();
    game.my_shots.clear();
    game.computer_volley = 1;
    state.ResumeTiming();
    fire_first_volley(game, scan_ship_plain);
  }
}
BENCHMARK(BM_PlanFirstVolleyPlainScan)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

// A 30 x 30 position after a volley that missed everywhere but these cells: every ship of the
// player is pinned, none has been hit, and the DELTA phase fires all ten shots of the volley.
constexpr CellPos kLateUnshotCells[] = {
    {9, 20},  {10, 10}, {10, 11}, {10, 12}, {10, 13}, {10, 20}, {10, 21}, {11, 13}, {11, 21}, {12, 22}, {12, 23},
    {13, 21}, {15, 9},  {15, 12}, {16, 10}, {16, 11}, {16, 12}, {17, 10}, {22, 10}, {22, 11}, {23, 12},
};

void lay_out_late_position(Game& game) {
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) game.my_shots.cell(x, y) = 1;
  for (CellPos c : kLateUnshotCells) game.my_shots.cell(c.x, c.y) = 0;
  game.computer_volley = 2;
}

void BM_PlanLateDeltaVolley(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(30);
  Game& game = bench->game;
  lay_out_late_position(game);
  if (plan_volley(game) != VolleyPhase::Delta) state.SkipWithError("the position is not in the DELTA phase");
  int fired = 0;
  for (CellPos c : kLateUnshotCells) fired += game.my_shots.cell(c.x, c.y) == 2;
  if (fired != 10) state.SkipWithError("the DELTA phase did not fire ten shots");
  for (auto _ : state) {
    state.PauseTiming();
    lay_out_late_position(game);
    state.ResumeTiming();
    benchmark::DoNotOptimize(plan_volley(game));
  }
}
BENCHMARK(BM_PlanLateDeltaVolley)->Unit(benchmark::kMicrosecond);

// Whole games as the Simulation command plays them: a fleet scattered at random, then volley
// after volley with the hits scored automatically until the fleet is sunk.
void BM_SimulatedGame(benchmark::State& state) {
  auto bench = std::make_unique<BenchGame>(static_cast<int>(state.range(0)));
  Game& game = bench->game;
  long volleys = 0;
  for (auto _ : state) {
    int counter = -1;
    new_game(game, counter);
    game.his_real_ships.clear();
    random_place_fleet(game, game.his_fleet, game.his_real_ships);
    int left = 12;
    for (game.computer_volley = 1; left > 0; ++game.computer_volley) {
      plan_volley(game);
      take_real_hits(game);
      left = 0;
      for (const Ship& ship : game.his_fleet) left += ship.cells_left();
      ++volleys;
    }
  }
  state.counters["volleys_per_game"] =
      benchmark::Counter(static_cast<double>(volleys) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_SimulatedGame)->Arg(15)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornmark
