// The counts that fit placements one by one: from the anchors through the cells of a volley
// (a ship with hits), or from every anchor (any other case the line count does not take).

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/ship.h"
#include "opponent/scan_counts.h"

namespace vornmark {

namespace {

// The placements a scan tries from each anchor: the shape as defined and its quarter turn.
constexpr int kOrientations = 2;

// A cell held by another ship, in the cells the fit reads; no volley number is this low.
constexpr std::int32_t kBlocked = std::numeric_limits<std::int32_t>::min();

// Offsets of one orientation from the anchor, as columns and rows and in the linear layout,
// and the anchors inside the grid that keep every cell inside.
struct Orientation {
  CellPos delta[Ship::kMaxCells];
  int offset[Ship::kMaxCells];
  int min_x, max_x, min_y, max_y;
  bool inside(int x, int y) const { return x >= min_x && x <= max_x && y >= min_y && y <= max_y; }
};

// The ship's hit record in the form the fit compares against: its empty slots and the
// volley numbers of its filled slots.
struct HitRecord {
  int empty_slots = 0;
  int volleys = 0;
  std::int32_t volley[Ship::kMaxCells];
};

Orientation orientation_of(const Ship& ship, int turn, int width, int height) {
  Orientation o{};
  const auto& shape = ship.shape();
  const CellPos first = shape[0];
  int low_x = 0, high_x = 0, low_y = 0, high_y = 0;
  for (int i = 0; i < ship.cell_count(); ++i) {
    CellPos d = shape[i];
    // A quarter turn about the first cell: an offset (dx, dy) from it becomes (dy, -dx).
    if (turn == 1) d = {first.x + (shape[i].y - first.y), first.y - (shape[i].x - first.x)};
    o.delta[i] = d;
    o.offset[i] = d.x + d.y * width;
    if (i == 0 || d.x < low_x) low_x = d.x;
    if (i == 0 || d.x > high_x) high_x = d.x;
    if (i == 0 || d.y < low_y) low_y = d.y;
    if (i == 0 || d.y > high_y) high_y = d.y;
  }
  // The anchors themselves lie on the grid too: a shape without a cell at its anchor reaches
  // no placement from an anchor outside.
  o.min_x = std::max(0, -low_x);
  o.max_x = std::min(width - 1, width - 1 - high_x);
  o.min_y = std::max(0, -low_y);
  o.max_y = std::min(height - 1, height - 1 - high_y);
  return o;
}

HitRecord hit_record_of(const Ship& ship) {
  HitRecord record;
  for (int k = 0; k < ship.cell_count(); ++k) {
    const std::int32_t v = ship.hits()[k];
    if (v == 0)
      ++record.empty_slots;
    else
      record.volley[record.volleys++] = v;
  }
  return record;
}

// The multiset test of one placement whose cells are all inside: unshot cells must match the
// empty slots one for one, shot cells the filled slots of their volley. code_at gives a
// cell's volley number, or kBlocked for a cell another ship holds.
template <typename CodeAt>
bool fits_record(CodeAt code_at, int anchor, const int* offset, int cells, const HitRecord& record) {
  int unshot = 0;
  std::uint32_t used = 0;
  for (int i = 0; i < cells; ++i) {
    const std::int32_t v = code_at(anchor + offset[i]);
    if (v == kBlocked) return false;
    if (v == 0) {
      if (++unshot > record.empty_slots) return false;
      continue;
    }
    int k = 0;
    while (k < record.volleys && (record.volley[k] != v || (used & (1u << k)) != 0)) ++k;
    if (k == record.volleys) return false;
    used |= 1u << k;
  }
  return true;
}

void add_placement(const ScanGrid& grid, int anchor, const int* offset, int cells) {
  for (int i = 0; i < cells; ++i) grid.tally[anchor + offset[i]] += 1;
}

}  // namespace

int count_through_first_volley(const ScanGrid& grid, const Ship& ship) {
  const int cells = ship.cell_count();
  const HitRecord record = hit_record_of(ship);
  if (record.volleys == 0) return 0;
  const std::int32_t volley = record.volley[0];
  const Orientation turns[kOrientations] = {orientation_of(ship, 0, grid.width, grid.height),
                                            orientation_of(ship, 1, grid.width, grid.height)};
  const auto code_at = [&grid](int cell) {
    const std::int32_t held = grid.occupancy != nullptr ? grid.occupancy[cell] : 0;
    return held != 0 && held != grid.own_id ? kBlocked : grid.shots[cell];
  };

  int count = 0;
  for (int y = 0; y < grid.height; ++y) {
    const std::int32_t* row = grid.shots + y * grid.width;
    if (std::find(row, row + grid.width, volley) == row + grid.width) continue;
    for (int x = 0; x < grid.width; ++x) {
      if (row[x] != volley) continue;
      for (const Orientation& o : turns) {
        for (int k = 0; k < cells; ++k) {
          // The placement whose k-th cell lies on (x, y), counted at the first of its cells
          // that lies on the volley.
          const int anchor_x = x - o.delta[k].x;
          const int anchor_y = y - o.delta[k].y;
          if (!o.inside(anchor_x, anchor_y)) continue;
          const int anchor = anchor_x + anchor_y * grid.width;
          bool counted_before = false;
          for (int j = 0; j < k && !counted_before; ++j) counted_before = grid.shots[anchor + o.offset[j]] == volley;
          if (counted_before || !fits_record(code_at, anchor, o.offset, cells, record)) continue;
          add_placement(grid, anchor, o.offset, cells);
          ++count;
        }
      }
    }
  }
  return count;
}

int count_every_anchor(const ScanGrid& grid, const Ship& ship) {
  std::int32_t codes[kMaxCountCells];
  for (int cell = 0; cell < grid.width * grid.height; ++cell) {
    const std::int32_t held = grid.occupancy != nullptr ? grid.occupancy[cell] : 0;
    codes[cell] = held != 0 && held != grid.own_id ? kBlocked : grid.shots[cell];
  }
  const auto code_at = [&codes](int cell) { return codes[cell]; };
  const int cells = ship.cell_count();
  const HitRecord record = hit_record_of(ship);
  int count = 0;
  for (int turn = 0; turn < kOrientations; ++turn) {
    const Orientation o = orientation_of(ship, turn, grid.width, grid.height);
    for (int y = o.min_y; y <= o.max_y; ++y) {
      for (int x = o.min_x; x <= o.max_x; ++x) {
        const int anchor = x + y * grid.width;
        if (!fits_record(code_at, anchor, o.offset, cells, record)) continue;
        add_placement(grid, anchor, o.offset, cells);
        ++count;
      }
    }
  }
  return count;
}

}  // namespace vornmark
