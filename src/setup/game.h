#pragma once
// The Game: every piece of state that the game treats as process-wide (fleets, boards,
// counters, settings, the generator, the switches, the play state and the trace log) in one
// object that is not copied. Tests make a fresh one per case; a tool can run many.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/ship.h"
#include "report/reporter.h"
#include "setup/play_state.h"
#include "setup/random.h"
#include "setup/settings.h"
#include "setup/switches.h"

namespace vornmark {

using Fleet = std::array<Ship, 4>;

enum ShipIndex { kCorvette = 0, kDestroyer = 1, kBattleship = 2, kSubmarine = 3 };

// One record of the opponent's target list; a column of -1 ends the list.
struct TargetCandidate {
  int x = 0;
  int y = 0;
  int tally = 0;
  int secondary = 0;
};
constexpr int kTargetListSize = kMaxGrid * kMaxGrid + 1;

class Game {
 public:
  explicit Game(Platform& platform);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Platform& platform() const { return report.platform(); }
  void trace(std::string_view text) { report.log().trace(text); }
  int grid() const { return settings.MaxCells; }

  Reporter report;
  GameSettings settings;
  std::filesystem::path settings_dir;  // empty: no settings file
  DiagnosticSwitches switches;
  Lcg random;
  int game_counter = 0;

  Fleet my_fleet;   // the computer's ships
  Fleet his_fleet;  // the player's ships, and the opponent's model of them

  Board my_sea;
  Board my_shots;
  Board his_sea;
  Board his_shots;
  Board his_real_ships;
  Board tally;
  Board wk_tots;
  std::array<Board, 4> ship_tallies;
  Board temp_tally;

  int player_volley = 0;
  int computer_volley = 0;
  int next_shot = 0;
  int player_shots_per_volley = 0;
  int computer_shots_per_volley = 0;

  // The opponent's working values, rebuilt by every volley it plans.
  std::array<int, 4> possib{};
  std::array<TargetCandidate, kTargetListSize> targets{};

  // The play flow's state, read by painting.
  PlayState play_state = PlayState::Idle;
  ShownBoard shown_board = ShownBoard::None;
  ShownFleet shown_fleet = ShownFleet::None;
  CurrentVolley current_volley = CurrentVolley::None;
  Colour background_colour = Colour::Grey;
  int selected_ship = 0;
  int highlight_volley = 0;
  WhoStarts who_starts = WhoStarts::You;
  int simulation_mode = 0;

  std::vector<std::string> diagnostic_lines;
};

}  // namespace vornmark
