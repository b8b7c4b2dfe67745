#include "opponent/hint.h"

#include <algorithm>

#include "setup/match.h"

namespace vornmark {

FleetHint::FleetHint(Platform& platform)
    : silent_(platform),
      resolved_shots_(silent_),
      reasoner_(silent_, {"My", "Hint pinned", "Hint"}),
      counted_shots_(silent_) {
  counted_shots_.allocate(kMaxGrid, kMaxGrid);
}

void FleetHint::count(const Match& match, const Board& counted) {
  grid_ = match.grid();
  // Kept first: `counted` may be this very board.
  if (&counted != &counted_shots_) {
    counted_shots_.set_size(counted.width(), counted.height());
    for (int y = 0; y < counted.height(); ++y)
      for (int x = 0; x < counted.width(); ++x) counted_shots_.cell(x, y) = counted.cell(x, y);
  }
  const Board& shots = counted_shots_;
  reasoner_.resize(grid_);
  // Counting the shots of the volley in aim as misses would rule out placements through them,
  // so the hint would depend on when it was counted.
  const int aimed = match.play_state() == PlayState::PlayerAiming ? match.counters().player_volley : 0;
  if (resolved_shots_.width() != shots.width() || resolved_shots_.height() != shots.height())
    resolved_shots_.allocate(shots.width(), shots.height());
  for (int row = 0; row < shots.height(); ++row)
    for (int column = 0; column < shots.width(); ++column) {
      const int volley = shots.cell(column, row);
      resolved_shots_.cell(column, row) = aimed > 0 && volley == aimed ? 0 : volley;
    }
  reasoner_.count(resolved_shots_, match.my_fleet());
  for (int i = 0; i < kFleetSize; ++i) {
    const bool afloat = match.my_fleet()[static_cast<std::size_t>(i)].cells_left() > 0;
    placements_[static_cast<std::size_t>(i)] = afloat ? reasoner_.possib()[static_cast<std::size_t>(i)] : 0;
  }
  // Only the cells both boards hold: a match not yet started has boards without storage.
  highest_unshot_ = 0;
  const Board& counts = reasoner_.cumulative();
  const int width = std::min(shots.width(), counts.width());
  const int height = std::min(shots.height(), counts.height());
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column)
      if (shots.cell(column, row) == 0) highest_unshot_ = std::max(highest_unshot_, counts.cell(column, row));
}

}  // namespace vornmark
