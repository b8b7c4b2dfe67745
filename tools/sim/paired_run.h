#pragma once
// The paired comparison of a level with Intermediate: each fleet is sunk once by the level and
// several times by Intermediate (its tie-break streams differ), and the difference in volleys is
// summed over the fleets. The same fleets for both, so that the luck of the fleets cancels.

#include <cstdint>
#include <cstdio>

namespace vornmark {
class Match;
class Opponent;
}

namespace vornmark::sim {

// Intermediate plays each fleet this many times, with as many tie-break streams.
constexpr int kBaseStreams = 8;

// The tie-break stream of the level's game on a fleet; Intermediate's streams are the ones before.
constexpr std::uint32_t level_stream(std::uint32_t fleet_seed) { return fleet_seed * 7919u + 1000u; }

// A new game of `level` against the fleet scattered by the generator at state `fleet_seed`, the
// opponent's draws following from `stream_seed`; the first volley is then the computer's to plan.
void start_fleet_game(Match& match, Opponent& opponent, int level, std::uint32_t fleet_seed,
                      std::uint32_t stream_seed);

// Fires and scores the next volley of a game started so, `fired` volleys having been fired; a
// game played to the end this way, volley by volley, is the game play_to_the_end plays at once.
void fire_next_volley(Match& match, Opponent& opponent, int fired);

// Lets `threads` play the Expert's rollouts.
void set_search_threads(Opponent& opponent, int threads);

// Plays `games` fleets, the i-th scattered by the generator at state seed + i, printing a line
// per fleet and a summary with the mean difference, in volleys and per cent of Intermediate's
// mean, and its 95 % interval. `threads` play the Expert's rollouts.
void run_paired(Match& match, int level, int games, std::uint32_t seed, int threads, std::FILE* out);

}  // namespace vornmark::sim
