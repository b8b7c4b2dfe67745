#include "opponent/placement_scan.h"

#include <cstdint>

#include "model/board.h"
#include "model/ship.h"

namespace vornmark {

namespace {

// The placements a scan tries from each anchor: the shape as defined and its quarter turn.
constexpr int kOrientations = 2;

// The cells a scan reads, in the boards' own layout (x + y * width): the shot board's volley
// number, or kBlocked where the occupancy holds another ship. Kept on the stack.
constexpr std::int32_t kBlocked = -1;
constexpr int kMaxScanCells = 30 * 30;

// Offsets of one orientation from the anchor, in cells of the linear layout, and the anchors
// that keep every cell inside.
struct Orientation {
  int offset[Ship::kMaxCells];
  int min_x, max_x, min_y, max_y;
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
    o.offset[i] = d.x + d.y * width;
    if (i == 0 || d.x < low_x) low_x = d.x;
    if (i == 0 || d.x > high_x) high_x = d.x;
    if (i == 0 || d.y < low_y) low_y = d.y;
    if (i == 0 || d.y > high_y) high_y = d.y;
  }
  o.min_x = -low_x;
  o.max_x = width - 1 - high_x;
  o.min_y = -low_y;
  o.max_y = height - 1 - high_y;
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
// empty slots one for one, shot cells the filled slots of their volley.
bool fits_record(const std::int32_t* codes, const int* offset, int cells, const HitRecord& record) {
  int unshot = 0;
  std::uint32_t used = 0;
  for (int i = 0; i < cells; ++i) {
    const std::int32_t v = codes[offset[i]];
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

// A ship without hits fits exactly where all its cells are unshot and free.
bool fits_unhit(const std::int32_t* codes, const int* offset, int cells) {
  for (int i = 0; i < cells; ++i)
    if (codes[offset[i]] != 0) return false;
  return true;
}

// The scan as first written: moving, fitting and turning the ship at every anchor. Kept for
// the cases the fast loop does not cover: a ship without cells (every move_to and rotate then
// reports it, and every placement fits trivially) and boards of unequal sizes.
int scan_plain(const Board& shots, const Board* occupancy, Ship& ship, Board& tally) {
  int count = 0;
  for (int x = 0; x < shots.width(); ++x) {
    for (int y = 0; y < shots.height(); ++y) {
      ship.move_to(x, y);
      for (int turn = 0; turn < kOrientations; ++turn) {
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

// Counts the same placements as moving, fitting and turning the ship at every anchor, but
// visits only the anchors whose cells all lie inside and reads one copy of the boards' cells.
// The tally and the count do not depend on the order of the placements, so the loop runs row
// by row; the ship is then left exactly as the plain loop leaves it.
int scan_ship(const Board& shots, const Board* occupancy, Ship& ship, Board& tally) {
  const int cells = ship.cell_count();
  const int width = shots.width();
  const int height = shots.height();
  const bool same_sizes = tally.width() == width && tally.height() == height &&
                          (occupancy == nullptr || (occupancy->width() == width && occupancy->height() == height));
  if (cells == 0 || !same_sizes || width * height > kMaxScanCells) return scan_plain(shots, occupancy, ship, tally);
  if (width <= 0 || height <= 0) {
    ship.set_tot_matches(0);
    return 0;
  }

  std::int32_t codes[kMaxScanCells];
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::int32_t held = occupancy != nullptr ? occupancy->cell(x, y) : 0;
      codes[x + y * width] = held != 0 && held != ship.id() ? kBlocked : shots.cell(x, y);
    }
  }
  std::int32_t* counts = &tally.cell(0, 0);
  const HitRecord record = hit_record_of(ship);
  const bool unhit = record.volleys == 0;
  int count = 0;
  for (int turn = 0; turn < kOrientations; ++turn) {
    const Orientation o = orientation_of(ship, turn, width, height);
    for (int y = o.min_y; y <= o.max_y; ++y) {
      for (int x = o.min_x; x <= o.max_x; ++x) {
        const int anchor = x + y * width;
        const std::int32_t* at = codes + anchor;
        if (unhit ? !fits_unhit(at, o.offset, cells) : !fits_record(at, o.offset, cells, record)) continue;
        for (int i = 0; i < cells; ++i) counts[anchor + o.offset[i]] += 1;
        ++count;
      }
    }
  }

  // The last placement tried: the quarter turn on the last anchor, which leaves the matched
  // flags of its fit behind; one more turn follows it.
  ship.move_to(width - 1, height - 1);
  ship.rotate();
  try_fit(shots, occupancy, ship);
  ship.rotate();
  ship.set_tot_matches(count);
  return count;
}

}  // namespace vornmark
