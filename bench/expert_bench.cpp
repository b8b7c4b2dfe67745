// The Expert's speed: one volley of its search, on average over whole games, the games its
// rollouts play, one after the other, its search of the last volleys, and its splitting volleys.
// The trace log is off throughout.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "opponent/endgame_search.h"
#include "opponent/expert.h"
#include "opponent/opponent.h"
#include "opponent/playout.h"
#include "opponent/search_random.h"
#include "opponent/splitting_volley.h"
#include "setup/match.h"
#include "setup/start_up.h"

namespace vornmark {
namespace {

class SilentPlatform : public Platform {
 public:
  BoxAnswer message_box(const MessageBoxRequest&) override { return BoxAnswer::Ok; }
  void beep() override {}
  void set_busy_cursor(bool) override {}
  [[noreturn]] void exit_process(int code) override { std::exit(code); }
};

struct ExpertGame {
  ExpertGame(int grid, int level) {
    StartUpOptions options;
    options.command_line = "-D3";
    start_up(match, options);
    match.mutable_settings().MaxCells = grid;
    match.mutable_settings().PlayLevel = level;
    match.mutable_settings().NumberOfShots = 10;
    match.mutable_settings().AmbiguityThreshold = 10;
    match.resize_boards_to_grid();
    opponent.resize(grid);
  }
  void new_game() {
    match.new_game(Match::Counted::No);
    opponent.new_game();
    match.mutable_his_real_ships().clear();
    random_place_fleet(match.random(), match.grid(), match.mutable_his_fleet(), match.mutable_his_real_ships());
    match.mutable_counters().computer_volley = 0;
  }
  // Plays the opponent's volleys at the fleet until `done` says the position is reached.
  template <class Done>
  void play_until(Done done) {
    while (!done()) {
      match.mutable_counters().computer_volley += 1;
      opponent.plan_volley(match);
      match.take_real_hits();
    }
  }
  bool sunk() const {
    for (const Ship& ship : match.his_fleet())
      if (ship.cells_left() > 0) return false;
    return true;
  }
  SilentPlatform platform;
  Match match{platform};
  Opponent opponent{match.report(), 15};
};

// One Expert volley per iteration, the games played on from volley to volley: the mean over
// every stage of a game. The second argument is the search's threads; the time is the time a
// player waits (wall clock), the same volleys on one thread or two.
void BM_ExpertVolley(benchmark::State& state) {
  auto game = std::make_unique<ExpertGame>(static_cast<int>(state.range(0)), kExpert);
  ExpertLimits limits;
  limits.threads = static_cast<int>(state.range(1));
  game->opponent.mutable_expert().set_limits(limits);
  game->new_game();
  for (auto _ : state) {
    game->match.mutable_counters().computer_volley += 1;
    game->opponent.plan_volley(game->match);
    state.PauseTiming();
    game->match.take_real_hits();
    if (game->sunk()) game->new_game();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ExpertVolley)
    ->ArgsProduct({{15, 30}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60)
    ->UseRealTime();

// The rest of a game from its first volley, as the search plays it out: the Intermediate planner
// against a fleet drawn from what is known.
void BM_PlayoutGame(benchmark::State& state) {
  auto game = std::make_unique<ExpertGame>(static_cast<int>(state.range(0)), kIntermediate);
  game->new_game();
  game->match.mutable_counters().computer_volley = 1;
  FleetSampler sampler(game->match.report());
  sampler.list_placements(game->match.my_shots(), game->match.his_fleet());
  Playout playout;
  playout.set_position(game->match);
  SearchRandom random;
  random.seed(1);
  const PlannedVolley first = playout.plan(10, 1);
  long long volleys = 0;
  for (auto _ : state) {
    SampledFleet fleet{};
    sampler.draw(random, fleet, 1000);
    volleys += playout.play_out(first, sampler, fleet, random.next32());
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["volleys_per_game"] =
      benchmark::Counter(static_cast<double>(volleys) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PlayoutGame)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

// The search of the last volleys at 15 x 15 with 10 shots, at the first volley of two shots or one of
// successive Intermediate games (eight hits or more scored): the time of a search, whether it
// chose a volley or gave up.
void BM_LastVolleysSearch(benchmark::State& state) {
  auto game = std::make_unique<ExpertGame>(15, kIntermediate);
  FleetSampler sampler(game->match.report());
  EndgameSearch search;
  long long found = 0;
  for (auto _ : state) {
    state.PauseTiming();
    game->new_game();
    game->play_until([&] { return hits_scored(game->match) >= 8; });
    sampler.list_placements(game->match.my_shots(), game->match.his_fleet());
    state.ResumeTiming();
    PlannedVolley volley;
    found += search.choose(sampler, game->match.my_shots(), hits_scored(game->match), 10, volley) ? 1 : 0;
  }
  state.counters["searched"] = benchmark::Counter(static_cast<double>(found) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_LastVolleysSearch)->Unit(benchmark::kMillisecond)->Iterations(100);

// The splitting volleys at 15 x 15 with 10 shots, at the first volley of successive Intermediate
// games with every ship afloat hit: taking 200 fleets drawn, then building a volley for each of
// the three hit costs.
void BM_SplittingVolleys(benchmark::State& state) {
  auto game = std::make_unique<ExpertGame>(15, kIntermediate);
  FleetSampler sampler(game->match.report());
  SplittingVolleys splitting;
  std::array<SampledFleet, 200> fleets{};
  SearchRandom random;
  random.seed(1);
  for (auto _ : state) {
    state.PauseTiming();
    game->new_game();
    game->play_until([&] { return every_ship_hit(game->match.his_fleet()); });
    sampler.list_placements(game->match.my_shots(), game->match.his_fleet());
    int count = 0;
    while (count < static_cast<int>(fleets.size()) && sampler.draw(random, fleets[static_cast<std::size_t>(count)], 400))
      ++count;
    const int shots = volley_size(game->match);
    state.ResumeTiming();
    splitting.set_fleets(sampler, fleets.data(), count, game->match.my_shots());
    for (const double hit_cost : kSplittingHitCosts) benchmark::DoNotOptimize(splitting.build(shots, hit_cost));
  }
}
BENCHMARK(BM_SplittingVolleys)->Unit(benchmark::kMillisecond)->Iterations(100);

}  // namespace
}  // namespace vornmark
