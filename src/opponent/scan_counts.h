#pragma once
// The counts behind scan_ship: the consistent placements of one ship on boards of one size,
// each added to the tally, in time far below trying every anchor. Each function gives the
// same tally and count as the move / fit / turn loop; the caller leaves the ship as that loop
// leaves it.

#include <cstdint>

#include "model/cell_pos.h"

namespace vornmark {

class Ship;

// The boards of one scan, all width x height cells in the layout x + y * width.
struct ScanGrid {
  const std::int32_t* shots;      // volley numbers, 0 for cells never shot at
  const std::int32_t* occupancy;  // ship ids, 0 for free cells; null when there is no occupancy
  std::int32_t* tally;
  int width;
  int height;
  int own_id;  // the scanned ship's id, which its occupancy cells hold without blocking it
};

// The largest grid the counts take, and the width the line count's rows hold.
constexpr int kMaxCountCells = 30 * 30;
constexpr int kMaxLineWidth = 32;

// The step between neighbouring cells of a ship whose i-th cell lies i steps from its first
// cell at (0, 0), as every ship of the fleet does; false for any other shape.
bool line_step(const Ship& ship, CellPos& step);

// A ship without hits whose cells form a line: the placements whose cells are all unshot and
// free. Rows of free cells are combined into the anchors of whole free lines, and each cell
// counts the lines through it. Needs width and height up to kMaxLineWidth.
int count_free_lines(const ScanGrid& grid, int cells, CellPos step);

// A ship with hits: every consistent placement covers a cell of the volley of its first hit,
// so only the anchors that put one of its cells on such a cell are tried.
int count_through_first_volley(const ScanGrid& grid, const Ship& ship);

// Any ship: every anchor whose placement lies inside, fitted against one copy of the cells.
int count_every_anchor(const ScanGrid& grid, const Ship& ship);

}  // namespace vornmark
