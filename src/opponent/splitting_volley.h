#pragma once
// Volleys that split the fleets still believed in. Once every ship afloat has been hit, what is
// left to learn is where each lies, and the planner, which fires at the likeliest cells, learns
// it with hits that cost a shot in every later volley. A splitting volley is built over the
// fleets the search drew, shot by shot: each goes to the cell that best divides them by what the
// volley would score (the hits on each ship, all a volley reports), less a cost for the hits it
// is expected to score. Once every cell a fleet drawn has a ship on is taken, the rest go where
// none has.
// It allocates nothing while a volley is chosen: its room is taken when it is made.

#include <array>
#include <cstdint>
#include <vector>

#include "opponent/fleet_sampler.h"
#include "opponent/playout.h"
#include "setup/fleet.h"

namespace vornmark {

class Board;

// Whether every ship afloat has been hit at least once: from then on splitting volleys are tried.
bool every_ship_hit(const Fleet& fleet);

// What a hit expected costs a splitting volley, in bits of what it tells, one for each volley the
// Expert builds: from hits taken as they come to hits put off. A volley that splits best can hit
// a ship more than the rest of the game can afford, one that spares hits can tell too little; the
// rollouts decide.
inline constexpr std::array<double, 3> kSplittingHitCosts = {0.0, 0.7, 2.0};

class SplittingVolleys {
 public:
  SplittingVolleys();

  // Takes `count` fleets drawn by `sampler` (at most 256), against the shots fired so far.
  void set_fleets(const FleetSampler& sampler, const SampledFleet* fleets, int count, const Board& shots);
  // A volley of `shots` cells not shot before, each chosen for the outcomes it divides, in bits,
  // less `hit_cost` bits for every hit it is expected to score; size 0 when the grid has too few
  // cells left to fill it.
  PlannedVolley build(int shots, double hit_cost);

 private:
  static constexpr int kMostFleets = 256;
  // The entropy, in bits, of the fleets' outcomes were `keys` what they scored.
  double outcome_entropy(const std::uint32_t* keys);

  int fleet_count_ = 0;
  // Cells not shot that some fleet drawn has a ship on, and on each, fleet by fleet, that ship's
  // id (0 for none); cell-major, so that trying a cell reads one row.
  std::vector<std::int16_t> cells_;
  std::vector<std::uint8_t> ships_on_;
  std::vector<int> fleets_hit_;  // per cell in play, the fleets with a ship on it
  std::vector<std::int16_t> fillers_;
  std::vector<std::int16_t> rows_;  // per cell of the grid, its row among the cells in play plus one
  std::vector<char> taken_;         // per cell in play, whether the volley holds it
  // What the volley so far scores on each fleet: four bits of hits per ship.
  std::array<std::uint32_t, kMostFleets> keys_{};
  std::array<std::uint32_t, kMostFleets> trial_{};
  // A small open-addressed count of equal outcomes, cleared by a stamp.
  struct Slot {
    std::uint32_t key = 0;
    std::uint32_t stamp = 0;
    int count = 0;
  };
  std::array<Slot, 1024> slots_{};
  std::uint32_t stamp_ = 0;
  std::array<double, kMostFleets + 1> n_log_n_{};
};

}  // namespace vornmark
