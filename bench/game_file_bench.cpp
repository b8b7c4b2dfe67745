// The game file's text: written after every change that matters and read once at start. Measured
// on a finished simulated game, whose boards hold about the most and largest numbers a game
// reaches ("MY SHOTS" nearly full, the counts of its last volley). The disk's flushes are not
// included.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "hint_position.h"
#include "play/play_flow.h"
#include "play/quiet_view.h"

namespace vornmark {
namespace {

struct FinishedGame {
  explicit FinishedGame(int grid) {
    bench::fire_player_volleys(*match, grid, 0);  // started up at this grid size
    flow->run_simulation();
  }
  bench::QuietBenchPlatform platform;
  std::unique_ptr<Match> match = std::make_unique<Match>(platform);
  QuietView view;
  std::unique_ptr<PlayFlow> flow = std::make_unique<PlayFlow>(*match, view);
};

void BM_SavedGame(benchmark::State& state) {
  FinishedGame game(static_cast<int>(state.range(0)));
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string text = game.flow->saved_game();
    size = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_SavedGame)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_ResumeGame(benchmark::State& state) {
  FinishedGame game(static_cast<int>(state.range(0)));
  const std::string text = game.flow->saved_game();
  FinishedGame other(4);
  for (auto _ : state) {
    const bool resumed = other.flow->resume(text);
    benchmark::DoNotOptimize(resumed);
    if (!resumed) state.SkipWithError("the saved game was refused");
  }
}
BENCHMARK(BM_ResumeGame)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vornmark
