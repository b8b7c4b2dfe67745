#include "play/play_flow.h"

#include "opponent/expert.h"
#include "play/fleet_status.h"
#include "play/game_recorder.h"
#include "play/view.h"
#include "report/reporter.h"

namespace vornmark {

PlayFlow::PlayFlow(Match& match, View& view)
    : match_(match), view_(view), opponent_(match.report(), match.grid()), hint_(match.platform()) {
  update_counts();
}

void PlayFlow::update_counts() {
  // Counted whether shown or not (a few tens of microseconds a volley), so that what it says
  // never depends on when it was switched on.
  hint_.count(match_);
  point_scene_at_counts();
}

void PlayFlow::point_scene_at_counts() {
  const GameSettings& settings = match_.settings();
  scene_.hint = settings.Hint != 0 ? &hint_ : nullptr;
  scene_.vornmark_view = settings.VornmarkView != 0 ? &opponent_.reasoner() : nullptr;
  const bool expert_view = settings.VornmarkView != 0 && settings.PlayLevel == kExpert;
  scene_.vornmark_chances = nullptr;
  if (!expert_view) return;
  // The Expert's chances of the volley shown; drawn again if the Expert did not keep them.
  const int volley = match_.counters().computer_volley;
  if (volley < 1) return;
  if (opponent_.expert() == nullptr || !opponent_.expert()->has_chances_for(volley))
    opponent_.mutable_expert().redraw_chances(match_);
  scene_.vornmark_chances = &opponent_.expert()->chances();
}

void PlayFlow::show_hint(bool on) {
  const bool switched_on = on && match_.settings().Hint == 0;
  match_.mutable_settings().Hint = on ? 1 : 0;
  if (switched_on)
    update_counts();
  else
    point_scene_at_counts();
  view_.game_changed();
  view_.redraw_all();
}

void PlayFlow::show_vornmark_view(bool on) {
  match_.mutable_settings().VornmarkView = on ? 1 : 0;
  point_scene_at_counts();
  view_.game_changed();
  view_.redraw_all();
}

void PlayFlow::choose_colour_scheme(int scheme) {
  if (!in_range(SettingId::ColourScheme, scheme)) return;
  match_.mutable_settings().ColourScheme = scheme;
  view_.set_background(scene_.background_colour);
  view_.redraw_all();
}

void PlayFlow::show(PlayState state, Colour background) {
  match_.set_play_state(state);
  scene_.background_colour = background;
  view_.set_background(background);
}

void PlayFlow::show_player_side() {
  scene_.shown_board = ShownBoard::HisShots;
  scene_.shown_fleet = ShownFleet::Mine;
  scene_.current_volley = CurrentVolley::Player;
}

void PlayFlow::show_computer_side() {
  scene_.shown_board = ShownBoard::MyShots;
  scene_.shown_fleet = ShownFleet::His;
  scene_.current_volley = CurrentVolley::Computer;
}

void PlayFlow::begin_game(Match::Counted counted, Match::PlayerFleet fleet) {
  match_.new_game(counted, fleet);
  opponent_.new_game();
  update_counts();
  if (recorder_ != nullptr) recorder_->game_begun();
}

void PlayFlow::record_volley(bool by_player) {
  if (recorder_ != nullptr) recorder_->volley_fired(match_, by_player, hint_on());
}

void PlayFlow::on_left_press(const ClickTarget& target) {
  const ClickKind kind = target.kind;
  const VolleyCounters& counters = match_.counters();
  const GameSettings& settings = match_.settings();
  switch (match_.play_state()) {
    case PlayState::Idle:
      view_.beep();
      return;
    case PlayState::ComputerVolleyShown:
      if (kind == ClickKind::ShipPanel && settings.AutomaticMode == 0) {
        report_hit(target.ship, target.cell);
      } else if (kind == ClickKind::StatusButton) {
        if (match_.simulation_mode() != 0)
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
      } else if (kind == ClickKind::StatusButton && counters.next_shot > counters.player_shots_per_volley) {
        resolve_player_volley();
      } else {
        view_.beep();
      }
      return;
    case PlayState::PlayerVolleyShown:
      if (kind != ClickKind::StatusButton) {
        view_.beep();
      } else if (settings.DefenseMode != 0) {
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
  if (match_.play_state() != PlayState::PlayerAiming || scene_.highlight_volley == 0) return;
  const int grid = match_.grid();
  for (int row = 0; row < grid; ++row)
    for (int column = 0; column < grid; ++column)
      if (match_.his_shots().at(column, row) == scene_.highlight_volley) view_.invalidate_cell(column, row);
  scene_.highlight_volley = 0;
}

void PlayFlow::on_right_press(const ClickTarget& target) {
  if (match_.play_state() == PlayState::Placing && target.kind == ClickKind::GridCell &&
      match_.his_real_ships().at(target.column, target.row) != 0) {
    rotate_placed(target.column, target.row);
    return;
  }
  view_.beep();
}

void PlayFlow::start_player_turn() {
  show(PlayState::PlayerAiming, Colour::Teal);
  show_player_side();
  VolleyCounters& counters = match_.mutable_counters();
  counters.player_volley += 1;
  counters.next_shot = 1;
  view_.game_changed();
  view_.redraw_all();
}

void PlayFlow::start_computer_turn() {
  show(PlayState::ComputerVolleyShown, Colour::DarkGreen);
  match_.mutable_counters().computer_volley += 1;
  const VolleyPhase phase = opponent_.plan_volley(match_);
  point_scene_at_counts();
  record_volley(false);
  std::string title = std::string("Vornmark ") + phase_letter(phase);
  if (match_.settings().VornmarkView != 0) {
    const char* level = match_.settings().PlayLevel == kExpert ? "Expert, " : "";
    title += std::string(*phase_letter(phase) != 0 ? " (" : "(") + level + phase_words(phase) + ")";
  }
  set_title(title);
  const CellsLeft before = cells_left_by_ship(match_.his_fleet());
  if (match_.settings().AutomaticMode != 0) {
    match_.take_real_hits();
    check_computer_won();
  }
  sound_computer_volley(before);
  show_computer_side();
  match_.mutable_counters().next_shot = 1;
  view_.game_changed();
  view_.redraw_all();
  if (match_.settings().PauseVornmark == 0 && match_.play_state() != PlayState::ComputerWon) start_player_turn();
}

void PlayFlow::resolve_player_volley() {
  match_.set_play_state(PlayState::PlayerVolleyShown);
  record_volley(true);
  for (int ship = 0; ship < kFleetSize; ++ship) view_.invalidate_panel(ship);
  view_.invalidate_status();
  view_.invalidate_legend();

  // Every shot of the volley, row by row; "MY SEA" is read afresh for each, so a ship moved
  // away by the Advanced level is judged at its new place by the later shots.
  const int volley = match_.counters().player_volley;
  const CellsLeft before = cells_left_by_ship(match_.my_fleet());
  Board& his_shots = match_.mutable_his_shots();
  his_shots.restart_search(volley);
  CellPos shot;
  while (his_shots.next_match(shot)) {
    const int id = match_.my_sea().at(shot.x, shot.y);
    if (id < 1 || id > kFleetSize) continue;
    if (match_.settings().PlayLevel == kAdvanced && volley >= 6 && opponent_.relocate_ship(match_, id - 1)) continue;
    match_.score_player_hit(id - 1);
  }
  update_counts();
  // The hint shades the whole grid and lists the placements beside the panels: all of it changed.
  if (scene_.hint != nullptr) view_.redraw_all();

  if (fleet_cells_left(match_.my_fleet()) == 0) {
    match_.set_play_state(PlayState::PlayerWon);
    // Kept before the recorder may say that its file could not be written.
    view_.game_changed();
    if (recorder_ != nullptr) recorder_->game_won();
  }
  if (match_.settings().PausePlayer != 0 || match_.play_state() == PlayState::PlayerWon) {
    view_.game_changed();
    sound_player_volley(before);
    return;
  }
  sound_player_volley(before);
  if (match_.settings().DefenseMode != 0)
    start_player_turn();
  else
    start_computer_turn();
}

void PlayFlow::check_computer_won() {
  if (fleet_cells_left(match_.his_fleet()) != 0) return;
  match_.set_play_state(PlayState::ComputerWon);
  // Kept before the recorder may say that its file could not be written, and again after.
  view_.game_changed();
  if (recorder_ != nullptr) {
    recorder_->game_lost();
    view_.game_changed();
  }
  view_.invalidate_status();
  view_.invalidate_legend();
}

void PlayFlow::reveal() {
  show(PlayState::FleetRevealed, Colour::Teal);
  show_player_side();
  view_.game_changed();
  view_.redraw_all();
}

void PlayFlow::start_new_game() {
  if (match_.settings().AutomaticMode != 0 && match_.settings().DefenseMode == 0) {
    // The player's fleet lives on "HIS REAL SHIPS", which is what tells a placed ship: every
    // new game unplaces the ships themselves.
    for (const Ship& ship : match_.his_fleet()) {
      if (!ship_on_board(match_.his_real_ships(), ship, match_.grid())) {
        view_.show_error(format_text("Ship \"%s\" not placed\nClick on 'File/Place'", ship.display_name()));
        return;
      }
    }
  }
  begin_game(Match::Counted::Yes);
  match_.set_simulation_mode(0);
  if (match_.who_starts() == WhoStarts::Computer) {
    show(PlayState::ComputerVolleyShown, Colour::DarkGreen);
    show_computer_side();
    opponent_.plan_volley(match_);  // the opening volley, numbered 1
    point_scene_at_counts();
    record_volley(false);
    const CellsLeft before = cells_left_by_ship(match_.his_fleet());
    if (match_.settings().AutomaticMode != 0) match_.take_real_hits();
    sound_computer_volley(before);
  } else {
    show(PlayState::PlayerAiming, Colour::Teal);
    show_player_side();
  }
  view_.game_changed();
  view_.redraw_all();
}

void PlayFlow::play_again() {
  const PlayState finished = match_.play_state();
  begin_game(Match::Counted::Yes);
  if (finished == PlayState::PlayerWon) {
    // The loser opens the next game; the hand-over to the player makes its volley 1.
    match_.mutable_counters().player_volley = 0;
    start_computer_turn();
    return;
  }
  show(PlayState::PlayerAiming, Colour::Teal);
  show_player_side();
  match_.mutable_counters().player_volley = 1;
  view_.game_changed();
  view_.redraw_all();
}

void PlayFlow::new_game_from_options() {
  // Place mode goes on after the change of mode, and there the ships' cells say where the
  // player's fleet lies on "HIS REAL SHIPS": the new game must not tear them from the board,
  // or the next lift, turn or scatter would leave copies of ships behind.
  const bool placing = match_.play_state() == PlayState::Placing;
  begin_game(Match::Counted::Yes, placing ? Match::PlayerFleet::KeptWhereItLies : Match::PlayerFleet::Unplaced);
  view_.game_changed();
}

void PlayFlow::report_hit(int ship_index, int cell) {
  if (ship_index < 0 || ship_index >= kFleetSize) {
    view_.beep();
    return;
  }
  Ship& ship = match_.mutable_his_fleet()[static_cast<std::size_t>(ship_index)];
  const int volley = match_.counters().computer_volley;
  const int hit = ship.hit_at(cell);
  if (hit == 0) {
    ship.add_hit(volley);
    view_.invalidate_panel(ship_index);
  } else if (hit == volley) {
    ship.remove_hit();
    view_.invalidate_panel(ship_index);
  } else {
    view_.beep();
  }
  view_.game_changed();
  check_computer_won();
  // The report that sinks a ship, or the last one, is heard as the volley's outcome.
  if (match_.play_state() == PlayState::ComputerWon)
    play(Sound::Lost);
  else if (hit == 0 && ship.cells_left() == 0)
    play(Sound::Sunk);
}

void PlayFlow::aim(int column, int row) {
  VolleyCounters& counters = match_.mutable_counters();
  Board& his_shots = match_.mutable_his_shots();
  const int shot = his_shots.at(column, row);
  if (shot == counters.player_volley) {
    // Taking a shot of this volley back.
    his_shots.at(column, row) = 0;
    counters.next_shot -= 1;
    view_.game_changed();
    view_.invalidate_legend();
    if (counters.next_shot == counters.player_shots_per_volley) view_.invalidate_status();
  } else if (shot != 0 || counters.next_shot > counters.player_shots_per_volley) {
    view_.beep();
    return;
  } else {
    his_shots.record_shot(counters.player_volley, column, row);
    counters.next_shot += 1;
    // The shots of a volley being aimed are kept too: a save costs far less than a press.
    view_.game_changed();
    view_.invalidate_legend();
    // A one-shot volley is resolved at its shot: the outcome is the one sound heard.
    const bool complete = counters.next_shot > counters.player_shots_per_volley;
    if (!complete || counters.player_shots_per_volley != 1) play(Sound::Shot);
    if (complete) {
      view_.invalidate_status();
      if (counters.player_shots_per_volley == 1) resolve_player_volley();
    }
  }
  view_.invalidate_cell(column, row);
}

void PlayFlow::highlight(int ship_index, int cell) {
  if (ship_index < 0 || ship_index >= kFleetSize) {
    view_.beep();
    return;
  }
  scene_.highlight_volley = match_.my_fleet()[static_cast<std::size_t>(ship_index)].hit_at(cell);
  if (scene_.highlight_volley == 0) {
    view_.beep();
    return;
  }
  const int grid = match_.grid();
  for (int column = 0; column < grid; ++column)
    for (int row = 0; row < grid; ++row)
      if (match_.his_shots().at(column, row) == scene_.highlight_volley) view_.invalidate_cell(column, row);
}

}  // namespace vornmark
