#pragma once
// The values that describe where a match stands and what the window shows of it.

namespace vornmark {

enum class PlayState : int {
  Idle = 0,
  ComputerVolleyShown = 1,
  PlayerAiming = 2,
  PlayerVolleyShown = 3,
  ComputerWon = 4,
  PlayerWon = 5,
  Placing = 6,
  FleetRevealed = 7,
};

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

enum class WhoStarts : int { You = 0, Computer = 1 };

}  // namespace vornmark
