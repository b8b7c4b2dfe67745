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

// Far beyond any game's volleys (a volley fires at least one shot at a grid of at most 900 cells,
// and simulated games add at most one volley of the player's per volley of the computer's), and
// far from overflowing.
inline constexpr long long kMaxSavedVolley = 1000000;

// The words the game file names the play states by.
const char* play_state_word(PlayState state);

}  // namespace vornmark
