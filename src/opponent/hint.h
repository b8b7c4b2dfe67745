#pragma once
// The hint: the opponent's own counting run over the computer's fleet, from the player's shots
// and the hits each of the computer's ships took. A second reasoner with scratch of its own and a
// log that is never opened: counting it touches nothing of the opponent, the trace or the
// generator.

#include <array>

#include "model/board.h"
#include "opponent/reasoner.h"
#include "report/reporter.h"
#include "setup/match.h"

namespace vornmark {

class Match;

class FleetHint {
 public:
  // Boxes the hint's boards might raise go to the platform; they never arise with boards of the
  // match's grid.
  explicit FleetHint(Platform& platform);
  FleetHint(const FleetHint&) = delete;
  FleetHint& operator=(const FleetHint&) = delete;

  // Counts the computer's fleet against the player's resolved volleys on "HIS SHOTS" as the match
  // has them now: while a volley is being aimed its shots are not known to hit or miss yet, and
  // count as unshot.
  void count(const Match& match) { count(match, match.his_shots()); }
  // Counts against other shots: those a count saw, to count again what it showed.
  void count(const Match& match, const Board& shots);
  // The shots the last count saw: "HIS SHOTS" as they were then.
  const Board& counted_shots() const { return counted_shots_; }

  int grid() const { return grid_; }
  // The placements of the ships still afloat that cover a cell.
  int placements_at(int column, int row) const { return reasoner_.cumulative().at(column, row); }
  // The largest of them over the unshot cells: the darkest shade.
  int highest_unshot() const { return highest_unshot_; }
  // Whether a cell belongs to a ship that has a single placement left.
  bool certain_at(int column, int row) const { return reasoner_.occupancy().at(column, row) != 0; }
  // Each ship's consistent placements, 0 for a sunk ship.
  const std::array<int, kFleetSize>& placements() const { return placements_; }
  const Board& cumulative() const { return reasoner_.cumulative(); }
  // Non-zero on the cells of the ships with a single placement left.
  const Board& pinned_cells() const { return reasoner_.occupancy(); }

 private:
  Reporter silent_;
  Board resolved_shots_;
  Reasoner reasoner_;
  Board counted_shots_;
  int grid_ = 0;
  int highest_unshot_ = 0;
  std::array<int, kFleetSize> placements_{};
};

}  // namespace vornmark
