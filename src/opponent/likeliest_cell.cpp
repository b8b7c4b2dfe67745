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
  const auto counted = [&](std::size_t ship) {
    return match.his_fleet()[ship].cells_left() > 0 && reasoner.possib()[ship] > 0;
  };
  std::int64_t denominator = 1;
  for (std::size_t ship = 0; ship < kFleetSize; ++ship)
    if (counted(ship)) denominator *= reasoner.possib()[ship];
  std::array<std::int64_t, kFleetSize> weights{};
  for (std::size_t ship = 0; ship < kFleetSize; ++ship)
    if (counted(ship)) weights[ship] = denominator / reasoner.possib()[ship];
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
