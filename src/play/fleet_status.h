#pragma once
// Questions about a fleet that the play flow asks.

#include <array>

namespace vornmark {

class Board;
class Ship;

// Cells not yet hit, over the whole fleet; 0 means the fleet is beaten.
int fleet_cells_left(const std::array<Ship, 4>& fleet);

// The cells each ship has not yet had hit, taken before a volley, and what the volley did to
// the fleet since: how many ships it hit, and how many of those it sank.
using CellsLeft = std::array<int, 4>;
CellsLeft cells_left_by_ship(const std::array<Ship, 4>& fleet);
struct VolleyDamage {
  int ships_hit = 0;
  int ships_sunk = 0;
};
VolleyDamage damage_since(const CellsLeft& before, const std::array<Ship, 4>& fleet);

// Whether the ship's id stands anywhere on the first grid × grid cells of the ship board.
bool ship_on_board(const Board& board, const Ship& ship, int grid);

}  // namespace vornmark
