#pragma once
// Questions about a fleet that the play flow asks.

#include <array>

namespace vornmark {

class Board;
class Ship;

// Cells not yet hit, over the whole fleet; 0 means the fleet is beaten.
int fleet_cells_left(const std::array<Ship, 4>& fleet);

// Whether the ship's id stands anywhere on the first grid × grid cells of the ship board.
bool ship_on_board(const Board& board, const Ship& ship, int grid);

}  // namespace vornmark
