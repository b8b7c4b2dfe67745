#pragma once
// The target list: the unshot cells of a tally with a non-zero count, best first, the first
// record drawn at random among the best run (among all of them at the Novice level).

namespace vornmark {

class Board;
class Game;
struct TargetCandidate;

// Rebuilds the game's shared list and returns it; a first column of -1 means no candidate.
const TargetCandidate* target_list(Game& game, const Board& tally, const Board& shots, const Board* secondary);

}  // namespace vornmark
