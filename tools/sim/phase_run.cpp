#include "phase_run.h"

#include <algorithm>
#include <vector>

#include "opponent/opponent.h"
#include "paired_run.h"
#include "play/fleet_status.h"
#include "setup/match.h"

namespace vornmark::sim {

namespace {

int ships_found(const Fleet& fleet) {
  int found = 0;
  for (const Ship& ship : fleet) found += ship.hit_count() > 0 ? 1 : 0;
  return found;
}

int fleet_cells(const Fleet& fleet) {
  int cells = 0;
  for (const Ship& ship : fleet) cells += ship.cell_count();
  return cells;
}

}  // namespace

void run_phases(Match& match, int level, int games, std::uint32_t seed, int threads, std::FILE* out) {
  Opponent opponent(match.report(), match.grid());
  if (level == kExpert) set_search_threads(opponent, threads);
  // Volleys fired with so many ships found, and with so many hits scored, before them; and the
  // shots fired up to the volley that found the k-th ship (its first hit).
  std::vector<long long> by_found(kFleetSize + 1, 0);
  std::vector<long long> by_hits(static_cast<std::size_t>(fleet_cells(match.his_fleet())), 0);
  std::vector<long long> shots_to_find(kFleetSize + 1, 0);
  long long volleys = 0;
  for (int i = 1; i <= games; ++i) {
    const std::uint32_t fleet_seed = seed + static_cast<std::uint32_t>(i);
    start_fleet_game(match, opponent, level, fleet_seed, level_stream(fleet_seed));
    long long shots = 0;
    for (int fired = 0; fleet_cells_left(match.his_fleet()) > 0; ++fired) {
      const int found = ships_found(match.his_fleet());
      const int hits = std::min(hits_scored(match), static_cast<int>(by_hits.size()) - 1);
      shots += volley_size(match);
      fire_next_volley(match, opponent, fired);
      by_found[static_cast<std::size_t>(found)] += 1;
      by_hits[static_cast<std::size_t>(hits)] += 1;
      volleys += 1;
      for (int k = found + 1; k <= ships_found(match.his_fleet()); ++k)
        shots_to_find[static_cast<std::size_t>(k)] += shots;
    }
  }
  const double n = games;
  std::fprintf(out, "phases games %d mean_volleys %.3f\n", games, static_cast<double>(volleys) / n);
  for (std::size_t k = 0; k < by_found.size(); ++k)
    std::fprintf(out, "ships_found %zu volleys %.3f\n", k, static_cast<double>(by_found[k]) / n);
  for (std::size_t k = 1; k < shots_to_find.size(); ++k)
    std::fprintf(out, "ship_found %zu after_shots %.3f\n", k, static_cast<double>(shots_to_find[k]) / n);
  for (std::size_t h = 0; h < by_hits.size(); ++h)
    std::fprintf(out, "hits %zu volleys %.3f\n", h, static_cast<double>(by_hits[h]) / n);
}

}  // namespace vornmark::sim
