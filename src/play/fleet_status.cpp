#include "play/fleet_status.h"

#include "model/board.h"
#include "model/ship.h"

namespace vornmark {

int fleet_cells_left(const std::array<Ship, 4>& fleet) {
  int left = 0;
  for (const Ship& ship : fleet) left += ship.cells_left();
  return left;
}

CellsLeft cells_left_by_ship(const std::array<Ship, 4>& fleet) {
  CellsLeft left{};
  for (std::size_t i = 0; i < fleet.size(); ++i) left[i] = fleet[i].cells_left();
  return left;
}

VolleyDamage damage_since(const CellsLeft& before, const std::array<Ship, 4>& fleet) {
  VolleyDamage damage;
  for (std::size_t i = 0; i < fleet.size(); ++i) {
    const int now = fleet[i].cells_left();
    if (now >= before[i]) continue;
    damage.ships_hit += 1;
    if (now <= 0) damage.ships_sunk += 1;
  }
  return damage;
}

bool ship_on_board(const Board& board, const Ship& ship, int grid) {
  for (int y = 0; y < grid; ++y)
    for (int x = 0; x < grid; ++x)
      if (board.in_bounds(x, y) && board.cell(x, y) == ship.id()) return true;
  return false;
}

}  // namespace vornmark
