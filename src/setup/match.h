#pragma once
// The match: what the rules of the game are about. Both fleets, the seas and shot boards, the
// volley counters, the settings, the generator, the switches and where the match stands, with
// the operations that change them. One object per process that is never copied; tests make a
// fresh one per case and a tool can run many. Readers take a const Match; the few writers use
// the mutable_ accessors, so every write is visible where it happens.

#include <filesystem>
#include <string_view>

#include "model/board.h"
#include "report/reporter.h"
#include "setup/fleet.h"
#include "setup/play_state.h"
#include "setup/random.h"
#include "setup/settings.h"
#include "setup/switches.h"

namespace vornmark {

struct StartUpOptions;
struct MatchSnapshot;
class GameTextReader;
class GameTextWriter;

struct VolleyCounters {
  int player_volley = 0;
  int computer_volley = 0;
  int next_shot = 0;  // the player's next shot within the volley, from 1
  int player_shots_per_volley = 0;
  int computer_shots_per_volley = 0;
};

class Match {
 public:
  explicit Match(Platform& platform);
  Match(const Match&) = delete;
  Match& operator=(const Match&) = delete;

  Platform& platform() const { return report_.platform(); }
  Reporter& report() { return report_; }
  const Reporter& report() const { return report_; }
  void trace(std::string_view text) { report_.log().trace(text); }
  int grid() const { return settings_.MaxCells; }

  const GameSettings& settings() const { return settings_; }
  GameSettings& mutable_settings() { return settings_; }
  const std::filesystem::path& settings_dir() const { return settings_dir_; }  // empty: no settings file
  const DiagnosticSwitches& switches() const { return switches_; }
  Lcg& random() { return random_; }
  const Lcg& random() const { return random_; }
  int game_counter() const { return game_counter_; }

  const Fleet& my_fleet() const { return my_fleet_; }  // the computer's ships
  Fleet& mutable_my_fleet() { return my_fleet_; }
  const Fleet& his_fleet() const { return his_fleet_; }  // the player's ships and their hit records
  Fleet& mutable_his_fleet() { return his_fleet_; }

  const Board& my_sea() const { return my_sea_; }
  Board& mutable_my_sea() { return my_sea_; }
  const Board& my_shots() const { return my_shots_; }
  Board& mutable_my_shots() { return my_shots_; }
  const Board& his_shots() const { return his_shots_; }
  Board& mutable_his_shots() { return his_shots_; }
  const Board& his_real_ships() const { return his_real_ships_; }
  Board& mutable_his_real_ships() { return his_real_ships_; }

  const VolleyCounters& counters() const { return counters_; }
  VolleyCounters& mutable_counters() { return counters_; }

  PlayState play_state() const { return play_state_; }
  void set_play_state(PlayState state) { play_state_ = state; }
  WhoStarts who_starts() const { return who_starts_; }
  void set_who_starts(WhoStarts who) { who_starts_ = who; }
  int simulation_mode() const { return simulation_mode_; }
  void set_simulation_mode(int mode) { simulation_mode_ = mode; }

  // A new game: counted games advance the game counter (and may switch D0 on, as the switches G
  // and L ask); Place mode and the Simulation command start games that are not counted. Clears
  // the seas and shot boards, resets the volley counters, unplaces the player's fleet (unless
  // asked to keep where it lies, as Place mode does when the mode changes under it) and hides
  // the computer's fleet at random.
  enum class Counted { Yes, No };
  enum class PlayerFleet { Unplaced, KeptWhereItLies };
  void new_game(Counted counted, PlayerFleet player_fleet = PlayerFleet::Unplaced);

  // The match's boards take the grid size of the settings.
  void resize_boards_to_grid();

  // Records a shot of the computer's current volley on "MY SHOTS".
  void record_computer_shot(int x, int y) { my_shots_.record_shot(counters_.computer_volley, x, y); }
  // Scores the computer's current volley against "HIS REAL SHIPS": one hit with the volley's
  // number on each of the player's ships per shot that landed on it.
  void take_real_hits();
  // A hit of the player's current volley on the computer's ship: recorded on the ship, and the
  // player's volleys shrink by one shot, never below one.
  void score_player_hit(int ship_index);

  // The match's part of the game file. read_snapshot checks everything it reads against the
  // rules and this match's ship shapes: a text that holds no possible match gives false, and the
  // reader says why. restore then makes the match what the snapshot holds; the switches other
  // than D0, the settings folder and the trace stay as this run set them.
  void save(GameTextWriter& out) const;
  bool read_snapshot(GameTextReader& in, MatchSnapshot& snapshot) const;
  void restore(const MatchSnapshot& snapshot);

 private:
  friend void start_up(Match& match, const StartUpOptions& options);

  Reporter report_;
  GameSettings settings_;
  std::filesystem::path settings_dir_;
  DiagnosticSwitches switches_;
  Lcg random_;
  int game_counter_ = 0;

  Fleet my_fleet_;
  Fleet his_fleet_;
  Board my_sea_;
  Board my_shots_;
  Board his_shots_;
  Board his_real_ships_;

  VolleyCounters counters_;
  PlayState play_state_ = PlayState::Idle;
  WhoStarts who_starts_ = WhoStarts::You;
  int simulation_mode_ = 0;
};

}  // namespace vornmark
