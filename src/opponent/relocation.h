#pragma once

namespace vornmark {

class Game;

// At the Advanced level: tries to move the computer's ship `index`, just hit, to a position
// that agrees with every shot of the player. True when it moved (the shot then misses).
bool relocate_ship(Game& game, int index);

}  // namespace vornmark
