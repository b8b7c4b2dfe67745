// The hint: the computer's fleet counted again from the player's shots, as after every volley of
// the player's while the hint is on.

#include <benchmark/benchmark.h>

#include <memory>

#include "hint_position.h"
#include "opponent/hint.h"

namespace vornmark {
namespace {

void BM_HintAfterTwentyVolleys(benchmark::State& state) {
  bench::QuietBenchPlatform platform;
  auto match = std::make_unique<Match>(platform);
  bench::fire_player_volleys(*match, static_cast<int>(state.range(0)), 20);
  auto hint = std::make_unique<FleetHint>(platform);
  for (auto _ : state) {
    hint->count(*match);
    benchmark::DoNotOptimize(hint->highest_unshot());
  }
}
BENCHMARK(BM_HintAfterTwentyVolleys)->Arg(15)->Arg(30)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vornmark
