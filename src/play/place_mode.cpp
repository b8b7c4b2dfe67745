// Place mode: the player lays out, turns and scatters the own fleet on "HIS REAL SHIPS".

#include "model/ship_on_board.h"
#include "play/play_flow.h"
#include "play/view.h"
#include "setup/game.h"
#include "setup/start_up.h"

namespace vornmark {

void PlayFlow::enter_place_mode() {
  game_.settings.AutomaticMode = 1;
  game_.settings.DefenseMode = 0;
  int own_counter = -1;  // games begun here are not counted
  new_game(game_, own_counter);
  show(PlayState::Placing, Colour::Yellow);
  game_.selected_ship = 0;
  game_.shown_board = ShownBoard::HisRealShips;
  game_.his_real_ships.clear();
  game_.shown_fleet = ShownFleet::His;
  view_.redraw_all();
}

void PlayFlow::select_ship(int ship) {
  if (ship < 0 || ship > 3) {
    view_.beep();
    return;
  }
  view_.invalidate_panel(game_.selected_ship);
  game_.selected_ship = ship;
  view_.invalidate_panel(ship);
}

void PlayFlow::place_at(int column, int row) {
  const int id = game_.his_real_ships.at(column, row);
  if (id != 0) {
    // A press on a placed ship selects it instead of moving the selected one there.
    if (id >= 1 && id <= 4) select_ship(id - 1);
    return;
  }
  Ship& ship = game_.his_fleet[game_.selected_ship];
  view_.invalidate_ship_cells(ship);
  remove_ship(game_.his_real_ships, ship);
  ship.move_to(column, row);
  bool placed = false;
  for (int attempt = 0; attempt < 4 && !placed; ++attempt) {
    placed = place_ship(game_.his_real_ships, ship);
    if (!placed) ship.rotate();
  }
  // A ship that fits in no orientation stays off the board, unplaced, so New Game names it.
  if (!placed) ship.unplace();
  view_.invalidate_ship_cells(ship);
}

void PlayFlow::rotate_placed(int column, int row) {
  const int id = game_.his_real_ships.at(column, row);
  if (id < 1 || id > 4) {
    view_.beep();
    return;
  }
  const int index = id - 1;
  if (index != game_.selected_ship) {
    view_.invalidate_panel(game_.selected_ship);
    view_.invalidate_panel(index);
  }
  game_.selected_ship = index;
  Ship& ship = game_.his_fleet[index];
  view_.invalidate_ship_cells(ship);
  remove_ship(game_.his_real_ships, ship);
  // Four quarter turns bring the ship back where it was, which fits.
  for (int turn = 0; turn < 4; ++turn) {
    ship.rotate();
    if (place_ship(game_.his_real_ships, ship)) break;
  }
  view_.invalidate_ship_cells(ship);
}

void PlayFlow::scatter() {
  for (int index = 0; index < 4; ++index) {
    view_.invalidate_panel(index);
    remove_ship(game_.his_real_ships, game_.his_fleet[index]);
  }
  view_.invalidate_grid();
  random_place_fleet(game_, game_.his_fleet, game_.his_real_ships);
  game_.selected_ship = 0;
}

}  // namespace vornmark
