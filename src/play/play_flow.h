#pragma once
// The state machine of a match: presses classified by the layout and menu commands turn into
// the course of the game. It changes the match, calls the opponent, sets the scene and asks the
// view for redraws; it never draws.

#include <string>
#include <string_view>

#include "opponent/hint.h"
#include "opponent/opponent.h"
#include "play/click_target.h"
#include "play/fleet_status.h"
#include "play/scene.h"
#include "play/sound.h"
#include "setup/match.h"

namespace vornmark {

class GameRecorder;
class View;

class PlayFlow {
 public:
  PlayFlow(Match& match, View& view);
  PlayFlow(const PlayFlow&) = delete;
  PlayFlow& operator=(const PlayFlow&) = delete;

  // Inputs.
  void on_left_press(const ClickTarget& target);
  void on_left_release();
  void on_right_press(const ClickTarget& target);

  // Menu commands.
  void start_new_game();    // File/New Game
  void enter_place_mode();  // File/Place
  void run_simulation();    // the Simulation command

  // The Options dialog's changes of mode start a game without touching the state or the scene.
  void new_game_from_options();

  // The counting made visible (checkable menu commands, kept in the settings): the hint over
  // the computer's fleet while the player aims, and Vornmark's view of its own volley. Neither
  // changes the course of the game.
  void show_hint(bool on);
  void show_vornmark_view(bool on);
  // The colours of the window (0 Classic, 1 colour-blind safe, 2 high contrast; kept in the
  // settings): the whole window is drawn again, the game goes on untouched.
  void choose_colour_scheme(int scheme);
  // The hint as it was last counted: at a new game, after each player volley, when switched on.
  const FleetHint& hint() const { return hint_; }
  // Where the player's games are recorded; none by default.
  void set_recorder(GameRecorder* recorder) { recorder_ = recorder; }
  // Whether the hint is on: games played with it are recorded apart.
  bool hint_on() const { return match_.settings().Hint != 0; }

  // The whole game in progress as the text of the game file (match, opponent's carried state,
  // scene, recorder's state of the current game). Cheap: well under 1 ms at 30 x 30.
  std::string saved_game() const;
  // Reads such a text strictly. true: the flow, match, opponent, scene and recorder are exactly as
  // when it was saved (the hint counted again; the view told to redraw everything and given the
  // title and background). false: nothing changed (and *why says what was wrong, in English).
  bool resume(std::string_view text, std::string* why = nullptr);
  // Where the keyboard focus stands, kept with the game at the next save (it changes nothing).
  void keep_focus(const FocusPlace& focus);

  Match& match() { return match_; }
  const Match& match() const { return match_; }
  View& view() { return view_; }
  const Scene& scene() const { return scene_; }
  const Opponent& opponent() const { return opponent_; }
  Opponent& mutable_opponent() { return opponent_; }

 private:
  // The hint counted again and the scene pointed at what is shown, as the settings say.
  void update_counts();
  void point_scene_at_counts();
  // A new game of the match, and of the opponent's picture of it.
  void begin_game(Match::Counted counted, Match::PlayerFleet fleet = Match::PlayerFleet::Unplaced);
  // Tells the recorder that a volley was fired; the first one makes the game count.
  void record_volley(bool by_player);

  // Sounds: a shot as it is laid, then at most one a resolved volley, none while the
  // Simulation command plays its game.
  void play(Sound sound);
  void sound_player_volley(const CellsLeft& before);
  void sound_computer_volley(const CellsLeft& before);

  // The window title, kept so that a resumed game shows it again.
  void set_title(const std::string& title);

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

  // The state and its background; the board, fleet and current volley of a side's turn.
  void show(PlayState state, Colour background);
  void show_player_side();    // the player's shots at the computer's fleet
  void show_computer_side();  // the computer's shots at the player's fleet

  Match& match_;
  View& view_;
  Opponent opponent_;
  FleetHint hint_;
  Scene scene_;
  GameRecorder* recorder_ = nullptr;
  bool silent_ = false;  // while the Simulation command plays
  std::string title_ = "Vornmark";
};

}  // namespace vornmark
