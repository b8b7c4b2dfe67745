#include "opponent/target_list.h"

#include <algorithm>

#include "model/board.h"
#include "setup/game.h"

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

// A stable sort, best first, that keeps equal records in collection order. It works in the
// list and a scratch array on the stack: nothing is allocated.
void sort_best_first(TargetCandidate* list, int n) {
  for (int start = 0; start < n; start += kRun) insertion_sort(list + start, std::min(kRun, n - start));
  if (n <= kRun) return;
  TargetCandidate scratch[kTargetListSize];
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

const TargetCandidate* target_list(Game& game, const Board& tally, const Board& shots, const Board* secondary) {
  TargetCandidate* list = game.targets.data();
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
    const int pool = game.settings.PlayLevel == kNovice ? n : best_run(list, n);
    const int k = game.random.draw() % pool;
    std::swap(list[0], list[k]);
  }
  // Only the column marks the end: the other fields keep what an earlier list left there.
  list[n].x = -1;
  return list;
}

}  // namespace vornmark
