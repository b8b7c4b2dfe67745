#include "opponent/hint.h"

#include <algorithm>

#include "setup/match.h"

namespace vornmark {

FleetHint::FleetHint(Platform& platform) : silent_(platform), reasoner_(silent_, {"My", "Hint pinned", "Hint"}) {}

void FleetHint::count(const Match& match) {
  grid_ = match.grid();
  reasoner_.resize(grid_);
  reasoner_.count(match.his_shots(), match.my_fleet());
  for (int i = 0; i < kFleetSize; ++i) {
    const bool afloat = match.my_fleet()[static_cast<std::size_t>(i)].cells_left() > 0;
    placements_[static_cast<std::size_t>(i)] = afloat ? reasoner_.possib()[static_cast<std::size_t>(i)] : 0;
  }
  highest_unshot_ = 0;
  const Board& shots = match.his_shots();
  for (int row = 0; row < grid_; ++row)
    for (int column = 0; column < grid_; ++column)
      if (shots.at(column, row) == 0) highest_unshot_ = std::max(highest_unshot_, placements_at(column, row));
}

}  // namespace vornmark
