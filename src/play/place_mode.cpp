// Place mode: the player lays out, turns and scatters the own fleet on "HIS REAL SHIPS".

#include "model/ship_on_board.h"
#include "play/play_flow.h"
#include "play/view.h"
#include "setup/start_up.h"

namespace vornmark {

void PlayFlow::enter_place_mode() {
  GameSettings& settings = match_.mutable_settings();
  settings.AutomaticMode = 1;
  settings.DefenseMode = 0;
  begin_game(Match::Counted::No);
  show(PlayState::Placing, Colour::Yellow);
  scene_.selected_ship = 0;
  scene_.shown_board = ShownBoard::HisRealShips;
  match_.mutable_his_real_ships().clear();
  scene_.shown_fleet = ShownFleet::His;
  view_.game_changed();
  view_.redraw_all();
}

void PlayFlow::select_ship(int ship) {
  if (ship < 0 || ship >= kFleetSize) {
    view_.beep();
    return;
  }
  view_.invalidate_panel(scene_.selected_ship);
  scene_.selected_ship = ship;
  view_.game_changed();
  view_.invalidate_panel(ship);
}

void PlayFlow::place_at(int column, int row) {
  Board& board = match_.mutable_his_real_ships();
  const int id = board.at(column, row);
  if (id != 0) {
    // A press on a placed ship selects it instead of moving the selected one there.
    if (id >= 1 && id <= kFleetSize) select_ship(id - 1);
    return;
  }
  Ship& ship = match_.mutable_his_fleet()[static_cast<std::size_t>(scene_.selected_ship)];
  view_.invalidate_ship_cells(ship);
  remove_ship(board, ship);
  ship.move_to(column, row);
  bool placed = false;
  for (int attempt = 0; attempt < 4 && !placed; ++attempt) {
    placed = place_ship(board, ship);
    if (!placed) ship.rotate();
  }
  // A ship that fits in no orientation stays off the board, unplaced, so New Game names it.
  if (!placed) ship.unplace();
  view_.game_changed();
  view_.invalidate_ship_cells(ship);
}

void PlayFlow::rotate_placed(int column, int row) {
  Board& board = match_.mutable_his_real_ships();
  const int id = board.at(column, row);
  if (id < 1 || id > kFleetSize) {
    view_.beep();
    return;
  }
  const int index = id - 1;
  if (index != scene_.selected_ship) {
    view_.invalidate_panel(scene_.selected_ship);
    view_.invalidate_panel(index);
  }
  scene_.selected_ship = index;
  Ship& ship = match_.mutable_his_fleet()[static_cast<std::size_t>(index)];
  view_.invalidate_ship_cells(ship);
  remove_ship(board, ship);
  // Four quarter turns bring the ship back where it was, which fits.
  for (int turn = 0; turn < 4; ++turn) {
    ship.rotate();
    if (place_ship(board, ship)) break;
  }
  view_.game_changed();
  view_.invalidate_ship_cells(ship);
}

void PlayFlow::scatter() {
  Board& board = match_.mutable_his_real_ships();
  Fleet& fleet = match_.mutable_his_fleet();
  for (int index = 0; index < kFleetSize; ++index) {
    view_.invalidate_panel(index);
    remove_ship(board, fleet[static_cast<std::size_t>(index)]);
  }
  view_.invalidate_grid();
  random_place_fleet(match_.random(), match_.grid(), fleet, board);
  scene_.selected_ship = 0;
  view_.game_changed();
}

}  // namespace vornmark
