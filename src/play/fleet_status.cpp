#include "play/fleet_status.h"

#include "model/board.h"
#include "model/ship.h"

namespace vornmark {

int fleet_cells_left(const std::array<Ship, 4>& fleet) {
  int left = 0;
  for (const Ship& ship : fleet) left += ship.cells_left();
  return left;
}

bool ship_on_board(const Board& board, const Ship& ship, int grid) {
  for (int y = 0; y < grid; ++y)
    for (int x = 0; x < grid; ++x)
      if (board.in_bounds(x, y) && board.cell(x, y) == ship.id()) return true;
  return false;
}

}  // namespace vornmark
