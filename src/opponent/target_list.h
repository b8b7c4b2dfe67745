#pragma once
// The target list: the unshot cells of a tally with a non-zero count, best first, the first
// record drawn at random among the best run (among all of them at the Novice level).

#include <array>

#include "setup/settings.h"

namespace vornmark {

class Board;
class Lcg;

// One record of the list; a column of -1 ends it.
struct TargetCandidate {
  int x = 0;
  int y = 0;
  int tally = 0;
  int secondary = 0;
};

// Room for every cell of the largest grid and the terminator. One list serves every caller of an
// opponent and is never cleared: an empty list leaves the row of its first record as the list
// before it left it.
constexpr int kTargetListSize = kMaxGrid * kMaxGrid + 1;
using TargetList = std::array<TargetCandidate, kTargetListSize>;

// What a caller reads of the list: all of it, or only the first record. The first record, and
// the draw, are the same either way; for the first alone the list is not sorted, and holds
// only it (except at the Novice level, whose draw reaches into the whole list).
enum class ListWanted { Whole, FirstOnly };

// Rebuilds the list and returns its first record; a first column of -1 means no candidate.
// Draws one number from the generator whenever there is a candidate.
const TargetCandidate* target_list(TargetList& list, const Board& tally, const Board& shots, const Board* secondary,
                                   int play_level, Lcg& random, ListWanted wanted = ListWanted::Whole);

}  // namespace vornmark
