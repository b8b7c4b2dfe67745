#include "play/play_flow.h"

#include <array>

#include "model/ship_on_board.h"
#include "opponent/real_hits.h"
#include "opponent/relocation.h"
#include "opponent/volley_planner.h"
#include "play/fleet_status.h"
#include "play/view.h"
#include "setup/game.h"
#include "setup/start_up.h"

namespace vornmark {

void PlayFlow::show(PlayState state, Colour background) {
  game_.play_state = state;
  game_.background_colour = background;
  view_.set_background(background);
}

void PlayFlow::on_left_press(const ClickTarget& target) {
  const ClickKind kind = target.kind;
  switch (game_.play_state) {
    case PlayState::Idle:
      view_.beep();
      return;
    case PlayState::ComputerVolleyShown:
      if (kind == ClickKind::ShipPanel && game_.settings.AutomaticMode == 0) {
        report_hit(target.ship, target.cell);
      } else if (kind == ClickKind::StatusButton) {
        if (game_.simulation_mode != 0)
          start_computer_turn();
        else
          start_player_turn();
      } else {
        view_.beep();
      }
      return;
    case PlayState::PlayerAiming:
      if (kind == ClickKind::GridCell) {
        aim(target.column, target.row);
      } else if (kind == ClickKind::ShipPanel) {
        highlight(target.ship, target.cell);
      } else if (kind == ClickKind::StatusButton && game_.next_shot > game_.player_shots_per_volley) {
        resolve_player_volley();
      } else {
        view_.beep();
      }
      return;
    case PlayState::PlayerVolleyShown:
      if (kind != ClickKind::StatusButton) {
        view_.beep();
      } else if (game_.settings.DefenseMode != 0) {
        start_player_turn();
      } else {
        start_computer_turn();
      }
      return;
    case PlayState::ComputerWon:
      reveal();
      return;
    case PlayState::PlayerWon:
    case PlayState::FleetRevealed:
      play_again();
      return;
    case PlayState::Placing:
      if (kind == ClickKind::GridCell) {
        place_at(target.column, target.row);
      } else if (kind == ClickKind::ShipPanel) {
        select_ship(target.ship);
      } else if (kind == ClickKind::StatusButton) {
        scatter();
      } else {
        view_.beep();
      }
      return;
  }
}

void PlayFlow::on_left_release() {
  if (game_.play_state != PlayState::PlayerAiming || game_.highlight_volley == 0) return;
  const int grid = game_.grid();
  for (int row = 0; row < grid; ++row)
    for (int column = 0; column < grid; ++column)
      if (game_.his_shots.at(column, row) == game_.highlight_volley) view_.invalidate_cell(column, row);
  game_.highlight_volley = 0;
}

void PlayFlow::on_right_press(const ClickTarget& target) {
  if (game_.play_state == PlayState::Placing && target.kind == ClickKind::GridCell &&
      game_.his_real_ships.at(target.column, target.row) != 0) {
    rotate_placed(target.column, target.row);
    return;
  }
  view_.beep();
}

void PlayFlow::start_player_turn() {
  show(PlayState::PlayerAiming, Colour::Teal);
  game_.shown_board = ShownBoard::HisShots;
  game_.shown_fleet = ShownFleet::Mine;
  game_.current_volley = CurrentVolley::Player;
  game_.player_volley += 1;
  game_.next_shot = 1;
  view_.redraw_all();
}

void PlayFlow::start_computer_turn() {
  show(PlayState::ComputerVolleyShown, Colour::DarkGreen);
  game_.computer_volley += 1;
  const VolleyPhase phase = plan_volley(game_);
  view_.set_title(std::string("Vornmark ") + phase_letter(phase));
  if (game_.settings.AutomaticMode != 0) {
    take_real_hits(game_);
    check_computer_won();
  }
  game_.shown_board = ShownBoard::MyShots;
  game_.shown_fleet = ShownFleet::His;
  game_.current_volley = CurrentVolley::Computer;
  game_.next_shot = 1;
  view_.redraw_all();
  if (game_.settings.PauseVornmark == 0 && game_.play_state != PlayState::ComputerWon) start_player_turn();
}

void PlayFlow::resolve_player_volley() {
  game_.play_state = PlayState::PlayerVolleyShown;
  for (int ship = 0; ship < 4; ++ship) view_.invalidate_panel(ship);
  view_.invalidate_status();
  view_.invalidate_legend();

  // Every shot of the volley, row by row; "MY SEA" is read afresh for each, so a ship moved
  // away by the Advanced level is judged at its new place by the later shots.
  game_.his_shots.restart_search(game_.player_volley);
  CellPos shot;
  while (game_.his_shots.next_match(shot)) {
    const int id = game_.my_sea.at(shot.x, shot.y);
    if (id < 1 || id > 4) continue;
    if (game_.settings.PlayLevel == kAdvanced && game_.player_volley >= 6 && relocate_ship(game_, id - 1)) continue;
    game_.my_fleet[id - 1].add_hit(game_.player_volley);
    if (game_.player_shots_per_volley > 1) game_.player_shots_per_volley -= 1;
  }

  if (fleet_cells_left(game_.my_fleet) == 0) game_.play_state = PlayState::PlayerWon;
  if (game_.settings.PausePlayer != 0 || game_.play_state == PlayState::PlayerWon) return;
  if (game_.settings.DefenseMode != 0)
    start_player_turn();
  else
    start_computer_turn();
}

void PlayFlow::check_computer_won() {
  if (fleet_cells_left(game_.his_fleet) != 0) return;
  game_.play_state = PlayState::ComputerWon;
  view_.invalidate_status();
  view_.invalidate_legend();
}

void PlayFlow::reveal() {
  show(PlayState::FleetRevealed, Colour::Teal);
  game_.shown_board = ShownBoard::HisShots;
  game_.shown_fleet = ShownFleet::Mine;
  game_.current_volley = CurrentVolley::Player;
  view_.redraw_all();
}

void PlayFlow::start_new_game() {
  if (game_.settings.AutomaticMode != 0 && game_.settings.DefenseMode == 0) {
    // The player's fleet lives on "HIS REAL SHIPS"; the ships' own cells are the opponent's
    // scratch once it has planned a volley, so the board is what tells a placed ship.
    for (const Ship& ship : game_.his_fleet) {
      if (!ship_on_board(game_.his_real_ships, ship, game_.grid())) {
        view_.show_error(format_text("Ship \"%s\" not placed\nClick on 'File/Place'", ship.display_name()));
        return;
      }
    }
  }
  new_game(game_, game_.game_counter);
  game_.simulation_mode = 0;
  if (game_.who_starts == WhoStarts::Computer) {
    show(PlayState::ComputerVolleyShown, Colour::DarkGreen);
    game_.shown_board = ShownBoard::MyShots;
    game_.shown_fleet = ShownFleet::His;
    game_.current_volley = CurrentVolley::Computer;
    plan_volley(game_);  // the opening volley, numbered 1
    if (game_.settings.AutomaticMode != 0) take_real_hits(game_);
  } else {
    show(PlayState::PlayerAiming, Colour::Teal);
    game_.shown_board = ShownBoard::HisShots;
    game_.shown_fleet = ShownFleet::Mine;
    game_.current_volley = CurrentVolley::Player;
  }
  view_.redraw_all();
}

void PlayFlow::play_again() {
  const PlayState finished = game_.play_state;
  new_game(game_, game_.game_counter);
  if (finished == PlayState::PlayerWon) {
    // The loser opens the next game; the hand-over to the player makes its volley 1.
    game_.player_volley = 0;
    start_computer_turn();
    return;
  }
  show(PlayState::PlayerAiming, Colour::Teal);
  game_.shown_board = ShownBoard::HisShots;
  game_.shown_fleet = ShownFleet::Mine;
  game_.current_volley = CurrentVolley::Player;
  game_.player_volley = 1;
  view_.redraw_all();
}

void PlayFlow::new_game_from_options() {
  if (game_.play_state != PlayState::Placing) {
    new_game(game_, game_.game_counter);
    return;
  }
  // Place mode goes on after the change of mode, and there the ships' cells say where the
  // player's fleet lies on "HIS REAL SHIPS": the new game must not tear them from the board,
  // or the next lift, turn or scatter would leave copies of ships behind.
  std::array<std::array<CellPos, Ship::kMaxCells>, 4> cells;
  for (int i = 0; i < 4; ++i) cells[i] = game_.his_fleet[i].cells();
  new_game(game_, game_.game_counter);
  for (int i = 0; i < 4; ++i) game_.his_fleet[i].set_cells(cells[i].data());
}

void PlayFlow::report_hit(int ship_index, int cell) {
  if (ship_index < 0 || ship_index > 3) {
    view_.beep();
    return;
  }
  Ship& ship = game_.his_fleet[ship_index];
  const int hit = ship.hit_at(cell);
  if (hit == 0) {
    ship.add_hit(game_.computer_volley);
    view_.invalidate_panel(ship_index);
  } else if (hit == game_.computer_volley) {
    ship.remove_hit();
    view_.invalidate_panel(ship_index);
  } else {
    view_.beep();
  }
  check_computer_won();
}

void PlayFlow::aim(int column, int row) {
  const int shot = game_.his_shots.at(column, row);
  if (shot == game_.player_volley) {
    // Taking a shot of this volley back.
    game_.his_shots.at(column, row) = 0;
    game_.next_shot -= 1;
    view_.invalidate_legend();
    if (game_.next_shot == game_.player_shots_per_volley) view_.invalidate_status();
  } else if (shot != 0 || game_.next_shot > game_.player_shots_per_volley) {
    view_.beep();
    return;
  } else {
    game_.his_shots.record_shot(game_.player_volley, column, row);
    game_.next_shot += 1;
    view_.invalidate_legend();
    if (game_.next_shot > game_.player_shots_per_volley) {
      view_.invalidate_status();
      if (game_.player_shots_per_volley == 1) resolve_player_volley();
    }
  }
  view_.invalidate_cell(column, row);
}

void PlayFlow::highlight(int ship_index, int cell) {
  if (ship_index < 0 || ship_index > 3) {
    view_.beep();
    return;
  }
  game_.highlight_volley = game_.my_fleet[ship_index].hit_at(cell);
  if (game_.highlight_volley == 0) {
    view_.beep();
    return;
  }
  const int grid = game_.grid();
  for (int column = 0; column < grid; ++column)
    for (int row = 0; row < grid; ++row)
      if (game_.his_shots.at(column, row) == game_.highlight_volley) view_.invalidate_cell(column, row);
}

}  // namespace vornmark
