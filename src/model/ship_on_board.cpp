#include "model/ship_on_board.h"

#include "model/board.h"
#include "model/ship.h"

namespace vornmark {

bool place_ship(Board& board, const Ship& ship) {
  const auto& cells = ship.cells();
  for (int i = 0; i < ship.cell_count(); ++i) {
    if (!board.in_bounds(cells[i].x, cells[i].y)) return false;
    if (board.cell(cells[i].x, cells[i].y) != 0) return false;
  }
  for (int i = 0; i < ship.cell_count(); ++i) board.cell(cells[i].x, cells[i].y) = ship.id();
  return true;
}

void remove_ship(Board& board, const Ship& ship) {
  if (ship.cells()[0].x == -1) return;
  for (int i = 0; i < ship.cell_count(); ++i) board.at(ship.cells()[i].x, ship.cells()[i].y) = 0;
}

}  // namespace vornmark
