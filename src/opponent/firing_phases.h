#pragma once
// The ways the planner fills a volley once it knows the phase. Each records its shots on
// "MY SHOTS" under game.computer_volley and returns the shots fired in the volley so far.

namespace vornmark {

class Game;

// Aims at the ghost ship (the afloat ship with the most placements left), keeping clear of the
// regions of the nearly known ships, and rescans it after every shot.
int ab_fire(Game& game, int fired, int shots);

// Picks at random among all unshot cells of the cumulative tally.
int novice_fire(Game& game, int fired, int shots);

// Going after everything: rescans every afloat ship without blocking after each shot. Stops
// early only when no unshot cell is covered by any placement.
int delta_fire(Game& game, int fired, int shots);

}  // namespace vornmark
