#pragma once
// Turning per-volley hit counts into positions: whether one placement of a ship agrees with
// every shot fired and with the ship's hit record, and how many consistent placements cover
// each cell.

namespace vornmark {

class Board;
class Ship;

// True when the volley numbers under the ship's placed cells (0 for unshot cells) form the
// same multiset as its hit slots, and no cell is outside or held by another ship's id on the
// occupancy board (which may be absent). Writes only the ship's matched flags.
bool try_fit(const Board& shots, const Board* occupancy, Ship& ship);

// Adds 1 to the tally under each placed cell of the ship.
void tally_ship(Board& tally, const Ship& ship);

// Adds every consistent placement of the ship to the tally (not cleared first), stores the
// number of them as the ship's last scan count and returns it. The ship's placed cells are
// left at the last orientation tried.
int scan_ship(const Board& shots, const Board* occupancy, Ship& ship, Board& tally);

// The same scan as the plain loop over every anchor, column by column: move the ship there,
// fit, tally and turn it, twice. The reference that scan_ship is checked and measured
// against, and its way for boards of unequal sizes.
int scan_ship_plain(const Board& shots, const Board* occupancy, Ship& ship, Board& tally);

}  // namespace vornmark
