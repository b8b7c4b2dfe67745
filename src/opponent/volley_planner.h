#pragma once
// The computer's volley: pinning, the cumulative tally, the phase, and the shots chosen one at
// a time and recorded on "MY SHOTS".

namespace vornmark {

class Game;

enum class VolleyPhase : int { A = 0, B = 1, Gamma = 2, Delta = 3, Novice = 4 };

// Plans and records the volley numbered game.computer_volley; returns its phase.
VolleyPhase plan_volley(Game& game);

// The phase that the last pinning step's placement counts call for.
VolleyPhase classify_fleet(const Game& game);

// The letter that the window title shows for a phase: "A" to "D", empty for Novice.
const char* phase_letter(VolleyPhase phase);

}  // namespace vornmark
