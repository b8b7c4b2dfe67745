#pragma once

namespace vornmark {

class Game;

// Fires at the best cells of the summed per-ship tallies, stripping after each shot the region
// of every afloat ship it could hit. Returns the shots fired in the volley so far.
int gamma_fire(Game& game, int fired);

}  // namespace vornmark
