// The opponent's part of the game file.
//
// Of the target list only the first record carries over: every list is written afresh up to its
// end mark, and readers stop there, but an empty list is only its end mark in the first record's
// column, so the row, tally and secondary value of that record stay as the list before left
// them (the Advanced level's trace prints that row when it finds no place to move a ship to).

#include "opponent/opponent.h"
#include "opponent/expert.h"
#include "setup/game_text.h"

namespace vornmark {

namespace {
// Placements of one ship cover a cell at most twice per anchor of the grid: far below this.
constexpr long long kMaxCount = 1000000000;
}  // namespace

void Opponent::save(GameTextWriter& out) const {
  out.board(reasoner_.occupancy());
  out.board(reasoner_.cumulative());
  const auto& possib = reasoner_.possib();
  out.numbers("possib", {possib[0], possib[1], possib[2], possib[3]});
  const TargetCandidate& first = targets_[0];
  out.numbers("first-target", {first.x, first.y, first.tally, first.secondary});
}

bool Opponent::read_snapshot(GameTextReader& in, int grid, OpponentSnapshot& s) {
  if (!in.board("HIS SEA", grid, 0, 4, s.his_sea) || !in.board("WK_TOTS", grid, 0, kMaxCount, s.cumulative))
    return false;
  std::vector<long long> values;
  if (!in.numbers("possib", values, 4, 0, kMaxCount)) return false;
  for (std::size_t i = 0; i < 4; ++i) s.possib[i] = static_cast<int>(values[i]);
  if (!in.numbers("first-target", values, 4, -kMaxCount, kMaxCount)) return false;
  if (values[0] < -1 || values[0] >= kMaxGrid || values[1] < 0 || values[1] >= kMaxGrid)
    return in.fail("the first target is not a cell of the grid nor the end of the list");
  s.first_target = {static_cast<int>(values[0]), static_cast<int>(values[1]), static_cast<int>(values[2]),
                    static_cast<int>(values[3])};
  return true;
}

void Opponent::restore(const OpponentSnapshot& s, int grid) {
  resize(grid);
  reasoner_.restore_counts(s.possib, s.his_sea, s.cumulative, grid);
  targets_[0] = s.first_target;
  if (expert_) expert_->forget_chances();
}

}  // namespace vornmark
