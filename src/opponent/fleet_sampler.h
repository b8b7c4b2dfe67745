#pragma once
// Fleets drawn from what the opponent knows: every ship uniform over the placements that agree
// with the shots and its hit record, and a whole fleet drawn again when two of its ships share a
// cell. Since the reports of one ship constrain only that ship, this gives each consistent
// fleet the same chance: the exact posterior of a fleet hidden uniformly at random.

#include <array>
#include <cstdint>
#include <vector>

#include "model/ship.h"
#include "setup/fleet.h"

namespace vornmark {

class Board;
class SearchRandom;

// A fleet drawn: for each ship the index of its placement in the sampler's list.
using SampledFleet = std::array<int, kFleetSize>;

class FleetSampler {
 public:
  explicit FleetSampler(Reporter& reporter);

  // Lists every consistent placement of every ship of the fleet against the shot board.
  void list_placements(const Board& shots, const Fleet& fleet);
  int placements(int ship) const { return static_cast<int>(placements_[static_cast<std::size_t>(ship)].size()); }
  // The cells (x + y * grid) of one placement of a ship.
  const std::int16_t* cells(int ship, int placement) const;
  int cell_count(int ship) const { return cell_counts_[static_cast<std::size_t>(ship)]; }
  int grid() const { return grid_; }

  // Draws a fleet whose ships share no cell; false when none came in `tries` draws (or a ship
  // has no placement at all).
  bool draw(SearchRandom& random, SampledFleet& fleet, int tries);
  // Writes the ids of a drawn fleet (1 to 4) on a board of the grid's size, 0 elsewhere.
  void lay_out(const SampledFleet& fleet, Board& board) const;

 private:
  using Cells = std::array<std::int16_t, Ship::kMaxCells>;
  Fleet ships_;
  std::array<std::vector<Cells>, kFleetSize> placements_;
  std::array<int, kFleetSize> cell_counts_{};
  std::vector<std::uint32_t> stamps_;
  std::uint32_t stamp_ = 0;
  int grid_ = 0;
};

}  // namespace vornmark
