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
  // Only the cells both boards hold: a match not yet started has boards without storage.
  highest_unshot_ = 0;
  const Board& shots = match.his_shots();
  const Board& counts = reasoner_.cumulative();
  const int width = std::min(shots.width(), counts.width());
  const int height = std::min(shots.height(), counts.height());
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column)
      if (shots.cell(column, row) == 0) highest_unshot_ = std::max(highest_unshot_, counts.cell(column, row));
}

}  // namespace vornmark
