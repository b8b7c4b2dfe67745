#include "opponent/likeliest_cell.h"

#include <array>
#include <cstdint>

#include "opponent/reasoner.h"
#include "setup/match.h"

namespace vornmark {

bool fire_likeliest_cell(Match& match, Reasoner& reasoner) {
  reasoner.count(match.my_shots(), match.his_fleet());
  // The shares are summed over a common denominator, the product of the afloat ships' placement
  // counts (below 10^13 on the largest grid), so that equal chances compare equal exactly.
  std::array<std::int64_t, kFleetSize> weights{};
  for (int i = 0; i < kFleetSize; ++i) {
    const auto ship = static_cast<std::size_t>(i);
    if (match.his_fleet()[ship].cells_left() <= 0 || reasoner.possib()[ship] <= 0) continue;
    weights[ship] = 1;
    for (int j = 0; j < kFleetSize; ++j) {
      const auto other = static_cast<std::size_t>(j);
      if (j != i && match.his_fleet()[other].cells_left() > 0 && reasoner.possib()[other] > 0)
        weights[ship] *= reasoner.possib()[other];
    }
  }
  const int grid = match.grid();
  const Board& shots = match.my_shots();
  std::int64_t best_chance = 0;
  int best_x = -1;
  int best_y = -1;
  for (int y = 0; y < grid; ++y)
    for (int x = 0; x < grid; ++x) {
      if (shots.cell(x, y) != 0) continue;
      std::int64_t chance = 0;
      for (int i = 0; i < kFleetSize; ++i)
        chance += weights[static_cast<std::size_t>(i)] * reasoner.ship_tally(i).cell(x, y);
      if (chance > best_chance) {
        best_chance = chance;
        best_x = x;
        best_y = y;
      }
    }
  if (best_x < 0) return false;
  match.mutable_counters().computer_shots_per_volley = 1;
  match.record_computer_shot(best_x, best_y);
  return true;
}

}  // namespace vornmark
