#pragma once
// The reasoning about one fleet: from a shot board and the fleet's hit records, every placement
// of every ship that is still consistent, the ships pinned down to one placement, and the counts
// per cell. It works on its own copies of the ships (their placed cells are its guesses) and its
// own boards, and reads the shots and the fleet only, so a second reasoner can count the
// computer's fleet from the player's shots without touching the opponent. It traces through the
// reporter it was made with; a reporter whose log is never opened keeps it silent.

#include <array>
#include <cstdint>
#include <vector>

#include "model/board.h"
#include "setup/fleet.h"

namespace vornmark {

class Reporter;

struct ReasonerNames {
  const char* owner;       // the owner of the ships reasoned about, "His" or "My"
  const char* occupancy;   // the board of pinned ships
  const char* cumulative;  // the summed counts of the afloat ships
};

class Reasoner {
 public:
  Reasoner(Reporter& reporter, const ReasonerNames& names);

  // Every board takes the grid size; their contents mean nothing until the next count.
  void resize(int grid);
  // A new game: no ship is known to lie anywhere.
  void forget() { occupancy_.clear(); }

  // Counts the fleet against the shots: clears the pinned ships and the counts, scans every ship
  // (a ship with a single placement left is pinned and blocks its cells for the ships scanned
  // after it; every ship not yet pinned is scanned again while a pass pins one), then sums the
  // counts of the ships still afloat.
  void count(const Board& shots, const Fleet& fleet);

  // The placements each ship had at its last scan in the count.
  const std::array<int, kFleetSize>& possib() const { return possib_; }
  bool pinned(int ship) const { return possib_[static_cast<std::size_t>(ship)] == 1; }
  const Board& ship_tally(int ship) const { return ship_tallies_[static_cast<std::size_t>(ship)]; }
  const Board& cumulative() const { return cumulative_; }
  // The ids of the pinned ships where they must lie.
  const Board& occupancy() const { return occupancy_; }
  Board& mutable_occupancy() { return occupancy_; }
  // The counts and tallies as they stand, for setting up a position by hand.
  std::array<int, kFleetSize>& mutable_possib() { return possib_; }
  Board& mutable_ship_tally(int ship) { return ship_tallies_[static_cast<std::size_t>(ship)]; }
  // The reasoner's copies of the ships: the fleet's hit records, and scratch placed cells.
  Fleet& guesses() { return guesses_; }
  // What a count left to be seen (the placements, the pinned ships, the summed counts), put back
  // as saved with a game; the rest is scratch that the next count rebuilds.
  void restore_counts(const std::array<int, kFleetSize>& possib, const std::vector<std::int32_t>& occupancy,
                      const std::vector<std::int32_t>& cumulative, int grid);
  const Fleet& guesses() const { return guesses_; }

 private:
  void pin_ships(const Board& shots);
  void mark_pinned(int ship);

  Reporter& reporter_;
  Fleet guesses_;
  Board occupancy_;
  Board cumulative_;
  std::array<Board, kFleetSize> ship_tallies_;
  std::array<int, kFleetSize> possib_{};
};

}  // namespace vornmark
