// The count of a ship without hits whose cells form a line. A placement fits exactly where all
// its cells are unshot and free, so the count needs no hit record: one byte per cell says
// whether it is free, the anchors of whole free lines are the AND of the free bytes shifted by
// one step, two steps, ..., and the tally under a cell is the number of anchors whose line runs
// through it. The bytes lie in the boards' own layout (x + y * width), so that a step is one
// offset and every pass is one loop over the whole grid, which the compiler turns into vector
// operations; zero padding around the grid stands for the cells outside.

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/ship.h"
#include "opponent/scan_counts.h"

namespace vornmark {

namespace {

// Room on either side of the grid for the reads of a line that leaves it: a line reaches at
// most its length times one step, and a step of a line with anchors is less than the grid.
constexpr int kPad = kMaxCountCells + kMaxLineWidth;
constexpr int kBytes = kPad + kMaxCountCells + kPad;
// Up to this many free cells, the lines are tried one by one from the free cells.
constexpr int kFewFreeCells = 96;

// The same line set from its far end, so that the column step is never negative.
CellPos forward(CellPos step) {
  if (step.x < 0 || (step.x == 0 && step.y < 0)) return {-step.x, -step.y};
  return step;
}

// One orientation of the line: its step as an offset in the layout, the last column of its
// anchors (-1: the line is longer than the grid in some direction, so it has none), and how
// far its cells lie from the anchor at most.
struct Line {
  int offset = 0;
  int max_x = -1;
  int reach = 0;
  bool has_anchors() const { return max_x >= 0; }
};

Line line_of(CellPos step, int cells, int width, int height) {
  Line line;
  const CellPos d = forward(step);
  const int span_x = (cells - 1) * d.x;
  const int span_y = (cells - 1) * d.y;
  // A line longer than the grid in either direction has no anchor; leaving it out also keeps
  // the reach of every line that is swept within the padding.
  if (span_x >= width || span_y >= height || -span_y >= height) return line;
  line.offset = d.x + d.y * width;
  line.max_x = width - 1 - span_x;
  line.reach = (cells - 1) * (line.offset < 0 ? -line.offset : line.offset);
  return line;
}

// free[i] is 1 for an unshot cell that no other ship holds; returns how many there are. The
// loop tests with & and | rather than && and ||, so that it runs on many cells at once.
int mark_free_cells(const ScanGrid& grid, std::uint8_t* free) {
  const int cells = grid.width * grid.height;
  const std::int32_t* shots = grid.shots;
  const std::int32_t* held = grid.occupancy;
  const std::int32_t own_id = grid.own_id;
  int i = 0;
  int count = 0;
#if defined(__SSE2__)
  // Sixteen cells at a time. The compiler narrows the 32-bit tests to bytes by shuffling;
  // two saturating packs do it here, which halves the work of the whole marking.
  const __m128i zero = _mm_setzero_si128();
  const __m128i own = _mm_set1_epi32(own_id);
  __m128i counted = zero;  // per byte lane: at most 900 / 16 cells, so it cannot overflow
  for (; i + 16 <= cells; i += 16) {
    __m128i is_free[4];
    for (int q = 0; q < 4; ++q) {
      const __m128i shot = _mm_loadu_si128(reinterpret_cast<const __m128i*>(shots + i + 4 * q));
      is_free[q] = _mm_cmpeq_epi32(shot, zero);
      if (held != nullptr) {
        const __m128i id = _mm_loadu_si128(reinterpret_cast<const __m128i*>(held + i + 4 * q));
        is_free[q] = _mm_and_si128(is_free[q], _mm_or_si128(_mm_cmpeq_epi32(id, zero), _mm_cmpeq_epi32(id, own)));
      }
    }
    // All ones or 0 per cell; packed to bytes and turned into 1 or 0.
    const __m128i ones =
        _mm_packs_epi16(_mm_packs_epi32(is_free[0], is_free[1]), _mm_packs_epi32(is_free[2], is_free[3]));
    const __m128i bytes = _mm_sub_epi8(zero, ones);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(free + i), bytes);
    counted = _mm_add_epi8(counted, bytes);
  }
  const __m128i sums = _mm_sad_epu8(counted, zero);
  count = _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
#endif
  for (; i < cells; ++i) {
    const bool is_free = (shots[i] == 0) & (held == nullptr || (held[i] == 0) | (held[i] == own_id));
    free[i] = is_free;
    count += is_free;
  }
  return count;
}

// Few free cells, as late in a game: the lines are tried from the free cells only, found a
// word of eight cells at a time, rather than swept over the whole grid. As in the sweep, a
// line that leaves at the top or the bottom meets the padding.
int count_from_free_cells(const ScanGrid& grid, const std::uint8_t* free, int cells, const Line* lines) {
  const int width = grid.width;
  const int all = width * grid.height;
  int count = 0;
  for (int word = 0; word < all; word += 8) {
    std::uint64_t eight;
    std::memcpy(&eight, free + word, sizeof eight);
    if (eight == 0) continue;
    for (int anchor = word; anchor < word + 8 && anchor < all; ++anchor) {
      if (free[anchor] == 0) continue;
      const int x = anchor % width;
      for (int o = 0; o < 2; ++o) {
        const Line& line = lines[o];
        if (!line.has_anchors() || x > line.max_x) continue;
        int k = 1;
        while (k < cells && free[anchor + k * line.offset] != 0) ++k;
        if (k < cells) continue;
        for (k = 0; k < cells; ++k) grid.tally[anchor + k * line.offset] += 1;
        ++count;
      }
    }
  }
  return count;
}

// The passes below take the line's length as kCells, or at run time for kCells 0. With the
// length known the steps of one cell are unrolled, and each pass is one sweep over the grid.

// anchors[i] is 1 where the line from cell i lies inside and on free cells only. A line that
// leaves the grid at the top or the bottom meets the padding; one that runs off the side of a
// row would go on in the next, so the anchors right of the line's range are cleared after.
template <int kCells>
void mark_free_anchors(const ScanGrid& grid, const std::uint8_t* free, int cells, const Line& line,
                       std::uint8_t* anchors) {
  const int length = kCells > 0 ? kCells : cells;
  const int width = grid.width;
  const int all = width * grid.height;
  const int offset = line.offset;
  for (int i = 0; i < all; ++i) {
    std::uint8_t whole = free[i];
    for (int k = 1; k < length; ++k) whole &= free[i + k * offset];
    anchors[i] = whole;
  }
  if (line.max_x < width - 1)
    for (int y = 0; y < grid.height; ++y)
      std::memset(anchors + y * width + line.max_x + 1, 0, static_cast<std::size_t>(width - 1 - line.max_x));
}

// Adds to each cell the anchors of both orientations whose line covers it: cell i is the
// k-th cell of the line from i - k steps. At most 2 x 15 lines cover a cell, so a byte holds
// the sum. Returns the tally's growth.
template <int kCells>
int add_coverage(const std::uint8_t* const* anchors, const int* offsets, int cells, int all, std::int32_t* tally) {
  const int length = kCells > 0 ? kCells : cells;
  const std::uint8_t* first = anchors[0];
  const std::uint8_t* second = anchors[1];
  const int first_step = offsets[0];
  const int second_step = offsets[1];
  int covered = 0;
  for (int i = 0; i < all; ++i) {
    std::uint8_t cover = 0;
    for (int k = 0; k < length; ++k)
      cover = static_cast<std::uint8_t>(cover + first[i - k * first_step] + second[i - k * second_step]);
    tally[i] += cover;
    covered += cover;
  }
  return covered;
}

template <int kCells>
int count_lines(const ScanGrid& grid, int cells, CellPos step) {
  const int width = grid.width;
  const int all = width * grid.height;
  // The shape as defined and its quarter turn about the first cell: (dx, dy) becomes (dy, -dx).
  const Line lines[2] = {line_of(step, cells, width, grid.height),
                         line_of(CellPos{step.y, -step.x}, cells, width, grid.height)};
  const int reach = std::max(lines[0].reach, lines[1].reach);

  std::uint8_t free_bytes[kBytes];
  std::uint8_t* free = free_bytes + kPad;
  std::memset(free - reach, 0, static_cast<std::size_t>(reach));
  // The padding after the grid also completes its last word of eight cells.
  std::memset(free + all, 0, static_cast<std::size_t>(std::max(reach, 8)));
  if (mark_free_cells(grid, free) <= kFewFreeCells) return count_from_free_cells(grid, free, cells, lines);

  // An orientation without anchors reads as zeros at offset 0.
  std::uint8_t anchor_bytes[2][kBytes];
  std::uint8_t* anchors[2] = {anchor_bytes[0] + kPad, anchor_bytes[1] + kPad};
  int offsets[2] = {0, 0};
  for (int o = 0; o < 2; ++o) {
    std::memset(anchors[o] - reach, 0, static_cast<std::size_t>(reach));
    std::memset(anchors[o] + all, 0, static_cast<std::size_t>(reach));
    if (lines[o].has_anchors()) {
      offsets[o] = lines[o].offset;
      mark_free_anchors<kCells>(grid, free, cells, lines[o], anchors[o]);
    } else {
      std::memset(anchors[o], 0, static_cast<std::size_t>(all));
    }
  }
  // Every line covers `cells` cells.
  return add_coverage<kCells>(anchors, offsets, cells, all, grid.tally) / cells;
}

}  // namespace

bool line_step(const Ship& ship, CellPos& step) {
  const auto& shape = ship.shape();
  const int cells = ship.cell_count();
  if (cells < 1 || shape[0] != CellPos{0, 0}) return false;
  step = cells > 1 ? shape[1] : CellPos{0, 1};
  for (int i = 2; i < cells; ++i)
    if (shape[i] != CellPos{i * step.x, i * step.y}) return false;
  return true;
}

int count_free_lines(const ScanGrid& grid, int cells, CellPos step) {
  switch (cells) {
    case 2:
      return count_lines<2>(grid, cells, step);
    case 3:
      return count_lines<3>(grid, cells, step);
    case 4:
      return count_lines<4>(grid, cells, step);
    default:
      return count_lines<0>(grid, cells, step);
  }
}

}  // namespace vornmark
