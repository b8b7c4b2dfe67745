#pragma once
// The scene: what the window shows of the match, set by the play flow and read by painting.

#include <string>
#include <vector>

#include "play/focus_place.h"

namespace vornmark {

class Board;
class FleetHint;
class Reasoner;

// The nine colours of the game, by their index in the colour table.
enum class Colour : int {
  Grey = 0,
  White = 1,
  LightCyan = 2,
  Red = 3,
  SpringGreen = 4,
  DarkGreen = 5,
  Yellow = 6,
  Teal = 7,
  Orange = 8,
};

enum class ShownBoard { None, MyShots, HisShots, HisRealShips };
enum class ShownFleet { None, Mine, His };
enum class CurrentVolley { None, Player, Computer };

struct Scene {
  ShownBoard shown_board = ShownBoard::None;  // the board drawn in the grid
  ShownFleet shown_fleet = ShownFleet::None;  // the fleet drawn in the ship panels
  CurrentVolley current_volley = CurrentVolley::None;
  // Grey until the play flow first sets a state's background.
  Colour background_colour = Colour::Grey;
  int highlight_volley = 0;  // the volley whose shots show Yellow while aiming; 0 for none
  int selected_ship = 0;     // the ship a press on the grid lays in Place mode
  // Where the keyboard focus was when the game was last kept: the window and the scripted driver
  // hand it over before saving, and take it back after resuming.
  FocusPlace focus;
  // The counting made visible, null while switched off: the hint over the computer's fleet,
  // shaded while the player aims, and the opponent's reasoning about the player's fleet, shaded
  // while its volley is shown.
  const FleetHint* hint = nullptr;
  const Reasoner* vornmark_view = nullptr;
  // At the Expert level, with Vornmark's view on: the share of the fleets its search drew that
  // have a ship on each cell, in per cent, shaded instead of the counts.
  const Board* vornmark_chances = nullptr;
  // The lines of the diagnostic window; the first empty line ends them.
  std::vector<std::string> diagnostic_lines;
};

}  // namespace vornmark
