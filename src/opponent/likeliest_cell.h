#pragma once
// The Expert's single shots. Once a volley is down to one shot it can shrink no further, so a hit
// costs nothing: the shot goes where a ship is likeliest, not where the planner hunts for
// information. The rollouts of the Expert's search play their single shots the same way.

namespace vornmark {

class Match;
class Reasoner;

// Counts the fleet against the shots, then fires at the unshot cell with the greatest chance of
// holding a ship: the sum over the afloat ships of the share of their placements that cover it,
// the first such cell in row order. False, with nothing fired, when no placement covers an
// unshot cell.
bool fire_likeliest_cell(Match& match, Reasoner& reasoner);

}  // namespace vornmark
