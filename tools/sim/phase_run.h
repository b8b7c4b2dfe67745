#pragma once
// Where a level's volleys go: its games on the fleets of the paired comparison (the same games as
// the level's there), each volley counted by the ships found and the hits scored before it, and
// the shots it took to find each ship. The hunt (until every ship is found) and the rest of the
// game can then be compared between levels.

#include <cstdint>
#include <cstdio>

namespace vornmark {
class Match;
}

namespace vornmark::sim {

// Plays `games` fleets, the i-th scattered by the generator at state seed + i, and prints the
// means per game. `threads` play the Expert's rollouts.
void run_phases(Match& match, int level, int games, std::uint32_t seed, int threads, std::FILE* out);

}  // namespace vornmark::sim
