#include "opponent/target_list.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "model/board.h"
#include "setup/random.h"

namespace vornmark {

namespace {

// Best first: the higher tally, then the higher secondary value.
inline bool better(const TargetCandidate& a, const TargetCandidate& b) {
  return a.tally > b.tally || (a.tally == b.tally && a.secondary > b.secondary);
}

// Short runs are sorted in place before merging.
constexpr int kRun = 16;

void insertion_sort(TargetCandidate* first, int n) {
  for (int i = 1; i < n; ++i) {
    const TargetCandidate moving = first[i];
    int j = i;
    while (j > 0 && better(moving, first[j - 1])) {
      first[j] = first[j - 1];
      --j;
    }
    first[j] = moving;
  }
}

// Merges two sorted neighbours into `out`; on equal keys the left one goes first.
void merge(const TargetCandidate* left, int left_n, const TargetCandidate* right, int right_n, TargetCandidate* out) {
  int i = 0, j = 0;
  while (i < left_n && j < right_n) *out++ = better(right[j], left[i]) ? right[j++] : left[i++];
  while (i < left_n) *out++ = left[i++];
  while (j < right_n) *out++ = right[j++];
}

// The general stable sort: runs sorted in place, then merged through the scratch array.
void merge_sort(TargetCandidate* list, TargetCandidate* scratch, int n) {
  for (int start = 0; start < n; start += kRun) insertion_sort(list + start, std::min(kRun, n - start));
  TargetCandidate* from = list;
  TargetCandidate* to = scratch;
  for (int width = kRun; width < n; width *= 2) {
    for (int start = 0; start < n; start += 2 * width) {
      const int middle = std::min(start + width, n);
      const int end = std::min(start + 2 * width, n);
      merge(from + start, middle - start, from + middle, end - middle, to + start);
    }
    std::swap(from, to);
  }
  if (from != list) std::copy(from, from + n, list);
}

// The general way, for keys of any range and boards of unequal sizes: the records collected
// column by column, then sorted stably in place. Cells beyond a full list are dropped.
int list_by_merging(const Board& tally, const Board& shots, const Board* secondary, TargetCandidate* list) {
  const int width = std::min(tally.width(), shots.width());
  const int height = std::min(tally.height(), shots.height());
  const bool whole_secondary = secondary != nullptr && secondary->width() >= width && secondary->height() >= height;
  int n = 0;
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height && n < kTargetListSize - 1; ++y) {
      const int count = tally.cell(x, y);
      if (count == 0 || shots.cell(x, y) != 0) continue;
      list[n++] = {x, y, count, whole_secondary ? secondary->cell(x, y) : 0};
    }
  }
  if (n <= kRun) {
    insertion_sort(list, n);
  } else {
    TargetCandidate scratch[kTargetListSize];
    merge_sort(list, scratch, n);
  }
  return n;
}

// The way for the planner's boards: one size, small counts. Both keys are ranked at once by
// counting when their pairs fit this many bits.
constexpr int kCountingBits = 10;
constexpr int kCountingRange = 1 << kCountingBits;
// The columns are counted and placed as this many streams of neighbouring columns, side by
// side: the increments of one stream do not wait for another's, however many cells share a
// key. Each stream keeps collection order within itself, and the streams follow each other.
constexpr int kStreams = 4;
static_assert(kStreams == 4, "the places of a key are set four streams at a time");
// Lists up to this long are left to the general way.
constexpr int kShortList = 64;

// Bounds of the keys over the listed cells (unshot, with a non-zero count): the bits that any
// tally or secondary value of them sets. Taken with | and masks rather than a minimum, a
// maximum and branches, so that the loop runs on whole rows at once.
struct KeyBits {
  int listed = 0;
  std::int32_t tally = 0;
  std::int32_t secondary = 0;
};

// A cell's listed flag as a mask: all ones for a listed cell, 0 otherwise.
inline std::int32_t listed_mask(std::int32_t count, std::int32_t shot) {
  return -static_cast<std::int32_t>((count != 0) & (shot == 0));
}

KeyBits key_bits_of(const std::int32_t* tally, const std::int32_t* shots, const std::int32_t* secondary, int cells) {
  int listed = 0;
  std::int32_t tally_bits = 0;
  std::int32_t secondary_bits = 0;
  if (secondary == nullptr) {
    for (int i = 0; i < cells; ++i) {
      const std::int32_t mask = listed_mask(tally[i], shots[i]);
      listed -= mask;
      tally_bits |= tally[i] & mask;
    }
  } else {
    for (int i = 0; i < cells; ++i) {
      const std::int32_t mask = listed_mask(tally[i], shots[i]);
      listed -= mask;
      tally_bits |= tally[i] & mask;
      secondary_bits |= secondary[i] & mask;
    }
  }
  return {listed, tally_bits, secondary_bits};
}

// The number of bits below the highest set one, plus one: 0 for 0.
int bit_width(std::int32_t bits) {
  int width = 0;
  while (width < 31 && (bits >> width) != 0) ++width;
  return width;
}

// Visits every cell as visit(stream, x, y, cell), each stream's cells in collection order,
// the streams side by side.
template <typename Visit>
void in_streams(int width, int height, Visit visit) {
  int first[kStreams + 1];
  for (int c = 0; c <= kStreams; ++c) first[c] = c * width / kStreams;
  int narrowest = width;
  int widest = 0;
  for (int c = 0; c < kStreams; ++c) {
    narrowest = std::min(narrowest, first[c + 1] - first[c]);
    widest = std::max(widest, first[c + 1] - first[c]);
  }
  for (int j = 0; j < narrowest; ++j)
    for (int y = 0; y < height; ++y)
      for (int c = 0; c < kStreams; ++c) visit(c, first[c] + j, y, first[c] + j + y * width);
  for (int j = narrowest; j < widest; ++j)
    for (int y = 0; y < height; ++y)
      for (int c = 0; c < kStreams; ++c)
        if (first[c] + j < first[c + 1]) visit(c, first[c] + j, y, first[c] + j + y * width);
}

// Writes the listed records into the list best first, equal records in collection order, and
// returns how many; -1 (nothing written) when counting does not suit: a short list, keys that are
// negative or span too wide. best_run: the number of records equal to the first in both keys,
// which the counts give at once.
int list_by_counting(const std::int32_t* tally, const std::int32_t* shots, const std::int32_t* secondary, int width,
                     int height, TargetCandidate* list, int& best_run) {
  const int cells = width * height;
  const KeyBits bits = key_bits_of(tally, shots, secondary, cells);
  if (bits.listed == 0) return 0;
  // A short list is quicker to collect and sort in place than to count over every cell.
  if (bits.listed <= kShortList) return -1;
  // Key 0 is the best pair: the highest tally with the highest secondary value. The listed
  // tallies lie in 1 ... 2^t - 1 and the secondary values in 0 ... 2^s - 1, for the bit widths
  // t and s of what they set; the secondary value takes the low s bits of the key. Negative
  // values and wide ranges are left to the general way. The unlisted cells share the key
  // after the last.
  if (bits.tally < 0 || bits.secondary < 0) return -1;
  const int tally_bits = bit_width(bits.tally);
  const int secondary_bits = bit_width(bits.secondary);
  if (tally_bits + secondary_bits > kCountingBits) return -1;
  const std::int32_t high_tally = (1 << tally_bits) - 1;
  const std::int32_t high_secondary = (1 << secondary_bits) - 1;
  const int unlisted = high_tally << secondary_bits;
  std::int32_t key[kMaxGrid * kMaxGrid];
  if (secondary == nullptr) {
    for (int i = 0; i < cells; ++i) {
      const std::int32_t mask = listed_mask(tally[i], shots[i]);
      key[i] = (((high_tally - tally[i]) << secondary_bits) & mask) | (unlisted & ~mask);
    }
  } else {
    for (int i = 0; i < cells; ++i) {
      const std::int32_t mask = listed_mask(tally[i], shots[i]);
      key[i] =
          (((high_tally - tally[i]) << secondary_bits | (high_secondary - secondary[i])) & mask) | (unlisted & ~mask);
    }
  }

  // next[k][c]: where stream c writes its next record of key k, in key order and within a key
  // in stream order. The unlisted cells go on to a spill area after the list, so that no cell
  // is skipped by a branch on the pattern of shots. The spill is raw storage, in which records
  // come to exist as they are written: it is not cleared on every call.
  const int slots = (unlisted + 1) * kStreams;
  int count[(kCountingRange + 4) * kStreams];
  // Padded to whole groups of keys, which the places below look at together.
  constexpr int kGroup = 4 * kStreams;
  const int padded = (slots + kGroup - 1) / kGroup * kGroup;
  std::memset(count, 0, sizeof(int) * static_cast<std::size_t>(padded));
  in_streams(width, height, [&](int c, int, int, int cell) { ++count[key[cell] * kStreams + c]; });
  alignas(TargetCandidate) std::byte spill[sizeof(TargetCandidate) * kMaxGrid * kMaxGrid];
  TargetCandidate* next[(kCountingRange + 1) * kStreams];
  // The bounds of the keys are loose, so many keys have no record; their places are never
  // read and not set. The leading run is the records of the first key that has any.
  // Keys are looked at in groups, and a group without records is passed over at once.
  TargetCandidate* place = list;
  best_run = 0;
  for (int group = 0; group < slots - kStreams; group += kGroup) {
    int any = 0;
    for (int j = 0; j < kGroup; ++j) any |= count[group + j];
    if (any == 0) continue;
    for (int slot = group; slot < group + kGroup && slot < slots - kStreams; slot += kStreams) {
      const int records = count[slot] + count[slot + 1] + count[slot + 2] + count[slot + 3];
      if (records == 0) continue;
      if (best_run == 0) best_run = records;
      for (int c = 0; c < kStreams; ++c) {
        next[slot + c] = place;
        place += count[slot + c];
      }
    }
  }
  place = reinterpret_cast<TargetCandidate*>(spill);
  for (int c = 0; c < kStreams; ++c) {
    next[unlisted * kStreams + c] = place;
    place += count[unlisted * kStreams + c];
  }

  const auto write = [&](int c, int x, int y, int cell, std::int32_t second) {
    TargetCandidate* record = next[key[cell] * kStreams + c]++;
    record->x = x;
    record->y = y;
    record->tally = tally[cell];
    record->secondary = second;
  };
  if (secondary != nullptr)
    in_streams(width, height, [&](int c, int x, int y, int cell) { write(c, x, y, cell, secondary[cell]); });
  else
    in_streams(width, height, [&](int c, int x, int y, int cell) { write(c, x, y, cell, 0); });
  return bits.listed;
}

// The leading run of records equal to the first in both keys.
int best_run_of(const TargetCandidate* list, int n) {
  int pool = 1;
  for (int i = 1; i < n; ++i) {
    if (list[i].tally < list[i - 1].tally || list[i].secondary < list[i - 1].secondary) break;
    ++pool;
  }
  return pool;
}

// The first record alone: the best tally, the best secondary value among its cells and how many
// cells share both, then the one the draw picks among them in collection order (column by
// column), as the sorted list would have it. Each pass is a plain maximum or count over masks,
// which the compiler runs on several cells at once. An unlisted cell takes the lowest value;
// false when a best key is that value too (keys at the very bottom of their range), which only
// the sorting way then gets right.
bool list_first_only(const Board& tally, const Board& shots, const Board* secondary, TargetCandidate* list,
                     Lcg& random) {
  constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
  const int width = tally.width();
  const int cells = width * tally.height();
  const std::int32_t* counts = tally.data();
  const std::int32_t* shot = shots.data();
  const std::int32_t* second = secondary != nullptr ? secondary->data() : nullptr;
  int listed = 0;
  std::int32_t best_tally = kLowest;
  for (int i = 0; i < cells; ++i) {
    const std::int32_t mask = listed_mask(counts[i], shot[i]);
    listed -= mask;
    best_tally = std::max(best_tally, (counts[i] & mask) | (kLowest & ~mask));
  }
  if (listed == 0) {
    list[0].x = -1;
    return true;
  }
  if (best_tally == kLowest) return false;
  // The best cells: listed, with the best tally and then the best secondary value.
  const auto best_mask = [&](int i) {
    return listed_mask(counts[i], shot[i]) & -static_cast<std::int32_t>(counts[i] == best_tally);
  };
  std::int32_t best_secondary = 0;
  if (second != nullptr) {
    best_secondary = kLowest;
    for (int i = 0; i < cells; ++i) {
      const std::int32_t mask = best_mask(i);
      best_secondary = std::max(best_secondary, (second[i] & mask) | (kLowest & ~mask));
    }
    if (best_secondary == kLowest) return false;
  }
  const auto is_best = [&](int i) { return best_mask(i) != 0 && (second == nullptr || second[i] == best_secondary); };
  int run = 0;
  if (second == nullptr) {
    for (int i = 0; i < cells; ++i) run -= best_mask(i);
  } else {
    for (int i = 0; i < cells; ++i) run -= best_mask(i) & -static_cast<std::int32_t>(second[i] == best_secondary);
  }
  int left = random.draw() % run;
  int found = 0;
  if (run == 1) {
    while (!is_best(found)) ++found;
  } else {
    for (int x = 0; x < width && left >= 0; ++x)
      for (int i = x; i < cells; i += width)
        if (is_best(i) && left-- == 0) {
          found = i;
          break;
        }
  }
  list[0] = {found % width, found / width, best_tally, best_secondary};
  list[1].x = -1;
  return true;
}

}  // namespace

const TargetCandidate* target_list(TargetList& targets, const Board& tally, const Board& shots, const Board* secondary,
                                   int play_level, Lcg& random, ListWanted wanted) {
  TargetCandidate* list = targets.data();
  // The boards share the grid's size; only the general way guards against a mismatch, so
  // that it never reads or writes outside their storage or the list's.
  const int width = tally.width();
  const int height = tally.height();
  const bool one_size = shots.width() == width && shots.height() == height &&
                        (secondary == nullptr || (secondary->width() == width && secondary->height() == height)) &&
                        width > 0 && height > 0 && width * height <= kMaxGrid * kMaxGrid;
  if (one_size && wanted == ListWanted::FirstOnly && play_level != kNovice &&
      list_first_only(tally, shots, secondary, list, random))
    return list;
  int n = -1;
  int best_run = 0;
  if (one_size)
    n = list_by_counting(tally.data(), shots.data(), secondary != nullptr ? secondary->data() : nullptr, width, height,
                         list, best_run);
  if (n < 0) {
    n = list_by_merging(tally, shots, secondary, list);
    best_run = best_run_of(list, n);
  }

  if (n > 0) {
    const int pool = play_level == kNovice ? n : best_run;
    const int k = random.draw() % pool;
    std::swap(list[0], list[k]);
  }
  // Only the column marks the end: the other fields keep what an earlier list left there.
  list[n].x = -1;
  return list;
}

}  // namespace vornmark
