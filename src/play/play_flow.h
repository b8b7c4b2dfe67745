#pragma once
// The state machine of a match: presses classified by the layout and menu commands turn into
// the course of the game. It changes the game, calls the opponent and asks the view for
// redraws; it never draws.

#include "play/click_target.h"
#include "setup/play_state.h"

namespace vornmark {

class Game;
class View;

class PlayFlow {
 public:
  PlayFlow(Game& game, View& view) : game_(game), view_(view) {}

  // Inputs.
  void on_left_press(const ClickTarget& target);
  void on_left_release();
  void on_right_press(const ClickTarget& target);

  // Menu commands.
  void start_new_game();    // File/New Game
  void enter_place_mode();  // File/Place
  void run_simulation();    // the Simulation command

  // The Options dialog's changes of mode start a game without touching the state or views.
  void new_game_from_options();

  Game& game() { return game_; }
  View& view() { return view_; }

 private:
  // Turn steps.
  void start_player_turn();
  void start_computer_turn();
  void resolve_player_volley();
  void check_computer_won();
  void play_again();
  void reveal();

  // Presses of the states.
  void report_hit(int ship, int cell);
  void aim(int column, int row);
  void highlight(int ship, int cell);

  // Place mode.
  void select_ship(int ship);
  void place_at(int column, int row);
  void rotate_placed(int column, int row);
  void scatter();

  void show(PlayState state, Colour background);

  Game& game_;
  View& view_;
};

}  // namespace vornmark
