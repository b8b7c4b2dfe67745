#pragma once

namespace vornmark {

class Game;

// Scores the volley game.computer_volley against "HIS REAL SHIPS": one hit with the volley's
// number on each of the player's ships per shot that landed on it.
void take_real_hits(Game& game);

}  // namespace vornmark
