#pragma once
// Putting ships on ship boards (a sea holds ship ids) and taking them off again.

namespace vornmark {

class Board;
class Ship;

// Writes the ship's id under each of its placed cells only if every cell is inside and free.
bool place_ship(Board& board, const Ship& ship);
// Clears the board under the ship's placed cells; an unplaced ship changes nothing.
void remove_ship(Board& board, const Ship& ship);

}  // namespace vornmark
