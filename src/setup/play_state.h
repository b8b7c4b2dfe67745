#pragma once
// Where a match stands, and who opens the next game.

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

enum class WhoStarts : int { You = 0, Computer = 1 };

}  // namespace vornmark
