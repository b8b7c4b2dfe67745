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

// Plays `games` fleets, the i-th scattered by the generator at state seed + i, printing a line
// per fleet and a summary with the mean difference, in volleys and per cent of Intermediate's
// mean, and its 95 % interval.
// Lets `threads` play the Expert's rollouts.
void set_search_threads(Opponent& opponent, int threads);

// `threads` play the Expert's rollouts.
void run_paired(Match& match, int level, int games, std::uint32_t seed, int threads, std::FILE* out);

}  // namespace vornmark::sim
