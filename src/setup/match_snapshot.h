#pragma once
// A match as the game file holds it, read and checked, before it replaces the match.

#include <array>
#include <cstdint>
#include <vector>

#include "model/ship.h"
#include "setup/fleet.h"
#include "setup/match.h"

namespace vornmark {

struct ShipSnapshot {
  std::array<CellPos, Ship::kMaxCells> cells{};
  std::array<std::int32_t, Ship::kMaxCells> hits{};
  bool placed = false;
};

struct MatchSnapshot {
  GameSettings settings;
  PlayState play_state = PlayState::Idle;
  WhoStarts who_starts = WhoStarts::You;
  int simulation_mode = 0;
  int game_counter = 0;
  bool diagnostics = false;  // D0, which the switches G and L turn on
  std::uint32_t generator = 1;
  VolleyCounters counters;
  std::array<ShipSnapshot, kFleetSize> my_fleet;
  std::array<ShipSnapshot, kFleetSize> his_fleet;
  // grid x grid cells each, row after row.
  std::vector<std::int32_t> my_sea, my_shots, his_shots, his_real_ships;
};

// The words the game file names the play states by.
const char* play_state_word(PlayState state);

}  // namespace vornmark
