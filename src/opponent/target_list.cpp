#include "opponent/target_list.h"

#include <algorithm>

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

// Counts are small numbers, so one key is sorted by counting: stable, highest first.
constexpr int kCountingRange = 1024;

// Moves the records from `from` to `to` ordered by the key, highest first, equal keys in
// their order. False (nothing moved) when the key spans more than the counting range.
template <typename Key>
bool counting_pass(const TargetCandidate* from, TargetCandidate* to, int n, Key key) {
  int low = key(from[0]);
  int high = low;
  for (int i = 1; i < n; ++i) {
    low = std::min(low, key(from[i]));
    high = std::max(high, key(from[i]));
  }
  if (static_cast<long long>(high) - low >= kCountingRange) return false;
  int next[kCountingRange + 1];
  std::fill(next, next + (high - low) + 2, 0);
  for (int i = 0; i < n; ++i) ++next[high - key(from[i]) + 1];
  for (int k = 1; k <= high - low; ++k) next[k] += next[k - 1];
  for (int i = 0; i < n; ++i) to[next[high - key(from[i])]++] = from[i];
  return true;
}

// A stable sort, best first, that keeps equal records in collection order: by secondary, then
// by tally, each pass stable. Nothing is allocated; the scratch array lives on the stack.
void sort_best_first(TargetCandidate* list, int n) {
  if (n <= kRun) {
    insertion_sort(list, n);
    return;
  }
  TargetCandidate scratch[kTargetListSize];
  const auto secondary = [](const TargetCandidate& r) { return r.secondary; };
  const auto tally = [](const TargetCandidate& r) { return r.tally; };
  if (counting_pass(list, scratch, n, secondary)) {
    if (counting_pass(scratch, list, n, tally)) return;
    std::copy(scratch, scratch + n, list);
  }
  merge_sort(list, scratch, n);
}

// The leading run of records equal to the first in both keys.
int best_run(const TargetCandidate* list, int n) {
  int pool = 1;
  for (int i = 1; i < n; ++i) {
    if (list[i].tally < list[i - 1].tally || list[i].secondary < list[i - 1].secondary) break;
    ++pool;
  }
  return pool;
}

}  // namespace

const TargetCandidate* target_list(TargetList& targets, const Board& tally, const Board& shots, const Board* secondary,
                                   int play_level, Lcg& random) {
  TargetCandidate* list = targets.data();
  // The boards share the grid's size; the guards only keep a mismatch from reading or
  // writing outside their storage or the list's.
  const int width = std::min(tally.width(), shots.width());
  const int height = std::min(tally.height(), shots.height());
  const bool whole_secondary = secondary != nullptr && secondary->width() >= width && secondary->height() >= height;
  int n = 0;
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height && n < kTargetListSize - 1; ++y) {
      const int count = tally.cell(x, y);
      if (count == 0 || shots.cell(x, y) != 0) continue;
      TargetCandidate& record = list[n++];
      record.x = x;
      record.y = y;
      record.tally = count;
      record.secondary = whole_secondary ? secondary->cell(x, y) : 0;
    }
  }
  sort_best_first(list, n);

  if (n > 0) {
    const int pool = play_level == kNovice ? n : best_run(list, n);
    const int k = random.draw() % pool;
    std::swap(list[0], list[k]);
  }
  // Only the column marks the end: the other fields keep what an earlier list left there.
  list[n].x = -1;
  return list;
}

}  // namespace vornmark
