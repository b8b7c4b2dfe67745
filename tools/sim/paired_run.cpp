#include "paired_run.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "opponent/expert.h"
#include "opponent/opponent.h"
#include "opponent/playout.h"
#include "play/fleet_status.h"
#include "setup/match.h"
#include "setup/start_up.h"

namespace vornmark::sim {

namespace {

// The processor time of the level's volleys: their sum and the longest.
struct VolleyTimes {
  double total_ms = 0;
  double longest_ms = 0;
  long long volleys = 0;
};

double cpu_ms() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// One game of the level on the fleet scattered from `fleet_seed`, the opponent's draws
// following from `stream_seed`; returns the volleys fired.
int play_one(Match& match, Opponent& opponent, int level, std::uint32_t fleet_seed, std::uint32_t stream_seed,
             VolleyTimes* times) {
  start_fleet_game(match, opponent, level, fleet_seed, stream_seed);
  if (times == nullptr) return play_to_the_end(match, opponent, match.grid() * match.grid());
  int fired = 0;
  for (; fleet_cells_left(match.his_fleet()) > 0; ++fired) {
    const double start = cpu_ms();
    fire_next_volley(match, opponent, fired);
    const double spent = cpu_ms() - start;
    times->total_ms += spent;
    times->longest_ms = std::max(times->longest_ms, spent);
    times->volleys += 1;
  }
  return fired;
}

}  // namespace

void start_fleet_game(Match& match, Opponent& opponent, int level, std::uint32_t fleet_seed,
                      std::uint32_t stream_seed) {
  match.mutable_settings().PlayLevel = level;
  match.new_game(Match::Counted::No);
  opponent.new_game();
  Lcg fleet_random;
  fleet_random.seed(fleet_seed);
  match.mutable_his_real_ships().clear();
  random_place_fleet(fleet_random, match.grid(), match.mutable_his_fleet(), match.mutable_his_real_ships());
  match.random().seed(stream_seed);
}

void fire_next_volley(Match& match, Opponent& opponent, int fired) {
  if (fired > 0) match.mutable_counters().computer_volley += 1;
  play_to_the_end(match, opponent, 1);
}

void set_search_threads(Opponent& opponent, int threads) {
  ExpertLimits limits = opponent.mutable_expert().limits();
  limits.threads = threads;
  opponent.mutable_expert().set_limits(limits);
}

void run_paired(Match& match, int level, int games, std::uint32_t seed, int threads, std::FILE* out) {
  Opponent opponent(match.report(), match.grid());
  if (level == kExpert) set_search_threads(opponent, threads);
  double sum_base = 0, sum_level = 0, sum_diff = 0, sum_diff2 = 0;
  VolleyTimes times;  // processor time, which other work on the machine does not stretch
  for (int i = 1; i <= games; ++i) {
    const std::uint32_t fleet_seed = seed + static_cast<std::uint32_t>(i);
    int base_total = 0;
    for (int stream = 0; stream < kBaseStreams; ++stream)
      base_total += play_one(match, opponent, kIntermediate, fleet_seed,
                             fleet_seed * 7919u + static_cast<std::uint32_t>(stream), nullptr);
    const double base = static_cast<double>(base_total) / kBaseStreams;
    const int volleys = play_one(match, opponent, level, fleet_seed, level_stream(fleet_seed), &times);
    const double diff = volleys - base;
    std::fprintf(out, "pair %d fleet %u base %.3f level %d diff %.3f\n", i, fleet_seed, base, volleys, diff);
    std::fflush(out);
    sum_base += base;
    sum_level += volleys;
    sum_diff += diff;
    sum_diff2 += diff * diff;
  }
  const double n = games;
  const double mean_base = sum_base / n;
  const double mean_diff = sum_diff / n;
  const double variance = games > 1 ? (sum_diff2 - n * mean_diff * mean_diff) / (n - 1) : 0;
  const double half = 1.96 * std::sqrt(variance / n);
  const double ms = times.total_ms / static_cast<double>(std::max(1LL, times.volleys));
  std::fprintf(out,
               "paired games %d base_mean %.3f level_mean %.3f diff %.3f diff_pct %.2f ci95_pct %.2f %.2f "
               "ms_per_volley %.2f ms_longest %.1f\n",
               games, mean_base, sum_level / n, mean_diff, 100 * mean_diff / mean_base,
               100 * (mean_diff - half) / mean_base, 100 * (mean_diff + half) / mean_base, ms, times.longest_ms);
}

}  // namespace vornmark::sim
