#pragma once
// Playing the Simulation games of a run one after the other in one game, and printing a line
// for each and a summary.

#include <cstdio>

namespace vornmark {
class PlayFlow;
}

namespace vornmark::sim {

class HeadlessPlatform;

// The figures of one finished game.
struct GameFigures {
  int volleys = 0;   // the computer's volleys fired
  int shots = 0;     // cells of "MY SHOTS" fired at
  int warnings = 0;  // warning boxes raised during the game
};

// Plays `games` games through the Simulation command, printing each game's line and the
// summary to `out`. Shows progress on standard error when that is a terminal and the run
// takes more than a second.
void run_games(PlayFlow& flow, const HeadlessPlatform& platform, int games, std::FILE* out);

}  // namespace vornmark::sim
