#include "opponent/placement_scan.h"

#include <cstdint>

#include "model/board.h"
#include "model/ship.h"
#include "opponent/scan_counts.h"

namespace vornmark {

namespace {

// The placement the plain loop tries last, the quarter turn on the last anchor, whose fit
// leaves the matched flags behind; one more turn follows it.
void leave_as_plain_loop_does(const Board& shots, const Board* occupancy, Ship& ship) {
  ship.move_to(shots.width() - 1, shots.height() - 1);
  ship.rotate();
  try_fit(shots, occupancy, ship);
  ship.rotate();
}

bool has_hits(const Ship& ship) {
  for (int k = 0; k < ship.cell_count(); ++k)
    if (ship.hits()[k] != 0) return true;
  return false;
}

}  // namespace

bool try_fit(const Board& shots, const Board* occupancy, Ship& ship) {
  const int cells = ship.cell_count();
  auto& matched = ship.matched();
  const auto& hits = ship.hits();
  for (int i = 0; i < cells; ++i) matched[i] = 0;
  for (int i = 0; i < cells; ++i) {
    const CellPos c = ship.cells()[i];
    if (!shots.in_bounds(c.x, c.y)) return false;
    if (occupancy != nullptr && occupancy->in_bounds(c.x, c.y)) {
      const std::int32_t held = occupancy->cell(c.x, c.y);
      if (held != 0 && held != ship.id()) return false;
    }
    const std::int32_t v = shots.cell(c.x, c.y);
    int k = 0;
    while (k < cells && (matched[k] != 0 || hits[k] != v)) ++k;
    if (k == cells) return false;
    matched[k] = 1;
  }
  return true;
}

void tally_ship(Board& tally, const Ship& ship) {
  for (int i = 0; i < ship.cell_count(); ++i) {
    const CellPos c = ship.cells()[i];
    tally.at(c.x, c.y) += 1;
  }
}

int scan_ship_plain(const Board& shots, const Board* occupancy, Ship& ship, Board& tally) {
  int count = 0;
  for (int x = 0; x < shots.width(); ++x) {
    for (int y = 0; y < shots.height(); ++y) {
      ship.move_to(x, y);
      for (int turn = 0; turn < 2; ++turn) {
        if (try_fit(shots, occupancy, ship)) {
          tally_ship(tally, ship);
          ++count;
        }
        ship.rotate();
      }
    }
  }
  ship.set_tot_matches(count);
  return count;
}

// Counts the same placements as the plain loop without trying every anchor: the tally and the
// count do not depend on the order of the placements. The plain loop stays for a ship without
// cells (every move_to and rotate then reports it, and every placement fits trivially) and for
// boards of unequal sizes.
int scan_ship(const Board& shots, const Board* occupancy, Ship& ship, Board& tally) {
  const int cells = ship.cell_count();
  const int width = shots.width();
  const int height = shots.height();
  const bool same_sizes = tally.width() == width && tally.height() == height &&
                          (occupancy == nullptr || (occupancy->width() == width && occupancy->height() == height));
  if (cells == 0 || !same_sizes || width * height > kMaxCountCells)
    return scan_ship_plain(shots, occupancy, ship, tally);
  if (width <= 0 || height <= 0) {
    ship.set_tot_matches(0);
    return 0;
  }

  const ScanGrid grid{
      shots.data(), occupancy != nullptr ? occupancy->data() : nullptr, &tally.cell(0, 0), width, height, ship.id()};
  CellPos step;
  int count = 0;
  if (has_hits(ship))
    count = count_through_first_volley(grid, ship);
  else if (width <= kMaxLineWidth && height <= kMaxLineWidth && line_step(ship, step))
    count = count_free_lines(grid, cells, step);
  else
    count = count_every_anchor(grid, ship);

  leave_as_plain_loop_does(shots, occupancy, ship);
  ship.set_tot_matches(count);
  return count;
}

}  // namespace vornmark
