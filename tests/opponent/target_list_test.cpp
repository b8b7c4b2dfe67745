#include "opponent/target_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "opponent_fixture.h"

namespace vornmark {
namespace {

using testing::OpponentFixture;

class TargetListTest : public OpponentFixture {
 protected:
  void SetUp() override {
    start(5);
    secondary.allocate(kMaxGrid, kMaxGrid);
    secondary.set_size(5, 5);
  }

  // The next draw of a copy of the game's generator, without advancing the game's.
  int next_draw() const {
    Lcg copy = match.random();
    return copy.draw();
  }
  // The listed records up to the terminator.
  std::vector<TargetCandidate> listed() const {
    std::vector<TargetCandidate> records;
    for (int i = 0; opponent.targets()[static_cast<std::size_t>(i)].x != -1; ++i)
      records.push_back(opponent.targets()[static_cast<std::size_t>(i)]);
    return records;
  }

  Board secondary{match.report(), "WK_TOTS"};
};

bool same_cell(const TargetCandidate& record, int x, int y) { return record.x == x && record.y == y; }

TEST_F(TargetListTest, IntermediateDrawsWithinTheLeadingRunOfEqualRecords) {
  // Tallies 7, 7, 5 with secondaries 2, 2, 9: the pool is the two records with tally 7.
  opponent.mutable_tally().cell(0, 1) = 5;
  secondary.cell(0, 1) = 9;
  opponent.mutable_tally().cell(2, 0) = 7;
  secondary.cell(2, 0) = 2;
  opponent.mutable_tally().cell(3, 4) = 7;
  secondary.cell(3, 4) = 2;
  match.random().seed(77);
  const int r = next_draw();
  const TargetCandidate* list = opponent.target_list(match, opponent.tally(), match.my_shots(), &secondary);
  ASSERT_EQ(listed().size(), 3u);
  // Collection order is column by column: (2, 0) before (3, 4); the draw picks r % 2 of them.
  if (r % 2 == 0) {
    EXPECT_TRUE(same_cell(list[0], 2, 0));
    EXPECT_TRUE(same_cell(list[1], 3, 4));
  } else {
    EXPECT_TRUE(same_cell(list[0], 3, 4));
    EXPECT_TRUE(same_cell(list[1], 2, 0));
  }
  EXPECT_TRUE(same_cell(list[2], 0, 1));
  EXPECT_EQ(list[2].tally, 5);
  EXPECT_EQ(list[2].secondary, 9);
  EXPECT_EQ(list[3].x, -1);

  // Tallies 7, 7 with secondaries 3, 1: the pool holds one record, yet a number is drawn.
  opponent.mutable_tally().cell(0, 1) = 0;
  secondary.cell(3, 4) = 3;
  const std::uint32_t before = match.random().state();
  list = opponent.target_list(match, opponent.tally(), match.my_shots(), &secondary);
  EXPECT_TRUE(same_cell(list[0], 3, 4));
  EXPECT_TRUE(same_cell(list[1], 2, 0));
  EXPECT_EQ(list[2].x, -1);
  Lcg expected;
  expected.seed(before);
  expected.draw();
  EXPECT_EQ(match.random().state(), expected.state());
}

TEST_F(TargetListTest, NoviceTakesTheRecordAtTheDrawnPositionOfTheSortedList) {
  match.mutable_settings().PlayLevel = kNovice;
  // Sorted by tally: (4,4)=9, then the 3s in collection order (1,0), (1,3), (2,2), then (0,0)=1.
  opponent.mutable_tally().cell(0, 0) = 1;
  opponent.mutable_tally().cell(1, 0) = 3;
  opponent.mutable_tally().cell(1, 3) = 3;
  opponent.mutable_tally().cell(2, 2) = 3;
  opponent.mutable_tally().cell(4, 4) = 9;
  const std::vector<CellPos> sorted = {{4, 4}, {1, 0}, {1, 3}, {2, 2}, {0, 0}};
  for (std::uint32_t seed : {1u, 5u, 12u, 99u, 4242u}) {
    match.random().seed(seed);
    const int k = next_draw() % 5;
    const TargetCandidate* list = opponent.target_list(match, opponent.tally(), match.my_shots(), nullptr);
    EXPECT_TRUE(same_cell(list[0], sorted[k].x, sorted[k].y)) << "seed " << seed;
    // The record that was first moves to position k; the others stay in order.
    EXPECT_TRUE(same_cell(list[k], 4, 4));
    for (int i = 1; i < 5; ++i) {
      if (i == k) continue;
      EXPECT_TRUE(same_cell(list[i], sorted[i].x, sorted[i].y));
    }
    EXPECT_EQ(list[5].x, -1);
  }
}

TEST_F(TargetListTest, ShotCellsAreNeverListedAndAnEmptyListDrawsNothing) {
  opponent.mutable_tally().cell(1, 1) = 4;
  opponent.mutable_tally().cell(3, 2) = 2;
  match.mutable_my_shots().cell(1, 1) = 1;
  const TargetCandidate* list = opponent.target_list(match, opponent.tally(), match.my_shots(), nullptr);
  EXPECT_TRUE(same_cell(list[0], 3, 2));
  EXPECT_EQ(list[1].x, -1);

  // Nothing unshot with a count: the first column is -1, no number is drawn, and only the
  // column is set, so record 0 keeps the row the previous list left there.
  match.mutable_my_shots().cell(3, 2) = 2;
  const std::uint32_t before = match.random().state();
  list = opponent.target_list(match, opponent.tally(), match.my_shots(), nullptr);
  EXPECT_EQ(list[0].x, -1);
  EXPECT_EQ(list[0].y, 2);
  EXPECT_EQ(list[0].tally, 2);
  EXPECT_EQ(match.random().state(), before);
}

// On grids up to 30 x 30 the order must be the stable order by tally, then secondary, both
// highest first, equal records in collection order (column by column): with and without a
// secondary board, from a few listed cells to every cell.
TEST_F(TargetListTest, LargeListsKeepEqualRecordsInCollectionOrder) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    const int grid = round % 8 == 7 ? 13 : 30;
    start(grid);
    secondary.set_size(grid, grid);
    const bool with_secondary = round % 4 != 3;
    const int shot_percent = std::array{10, 0, 60, 95}[static_cast<std::size_t>(round / 4 % 4)];
    std::vector<TargetCandidate> expected;
    for (int x = 0; x < grid; ++x) {
      for (int y = 0; y < grid; ++y) {
        // Mostly small counts, and some rounds with keys too wide to sort by counting.
        opponent.mutable_tally().cell(x, y) = static_cast<int>(random() % (round % 5 == 4 ? 70000 : 6));
        // One best cell alone in the last column, above a field of equal counts.
        if (round % 8 == 3) opponent.mutable_tally().cell(x, y) = x == grid - 1 && y == 3 ? 4 : 1;
        secondary.cell(x, y) = static_cast<int>(random() % (round % 2 == 0 ? 3 : round % 3 == 2 ? 5000 : 40));
        match.mutable_my_shots().cell(x, y) = static_cast<int>(random() % 100) < shot_percent ? 1 : 0;
        if (opponent.tally().cell(x, y) != 0 && match.my_shots().cell(x, y) == 0)
          expected.push_back({x, y, opponent.tally().cell(x, y), with_secondary ? secondary.cell(x, y) : 0});
      }
    }
    std::stable_sort(expected.begin(), expected.end(), [](const TargetCandidate& a, const TargetCandidate& b) {
      return a.tally > b.tally || (a.tally == b.tally && a.secondary > b.secondary);
    });
    int pool = 1;
    while (pool < static_cast<int>(expected.size()) && expected[pool].tally == expected[0].tally &&
           expected[pool].secondary == expected[0].secondary)
      ++pool;
    const int k = next_draw() % pool;
    std::swap(expected[0], expected[static_cast<std::size_t>(k)]);

    const Lcg draws = match.random();
    opponent.target_list(match, opponent.tally(), match.my_shots(), with_secondary ? &secondary : nullptr);
    const std::vector<TargetCandidate> got = listed();
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      ASSERT_TRUE(same_cell(got[i], expected[i].x, expected[i].y)) << "round " << round << " record " << i;
      ASSERT_EQ(got[i].tally, expected[i].tally);
      ASSERT_EQ(got[i].secondary, expected[i].secondary);
    }

    // Asked for the first record only, the same record and the same draw, without the sorting.
    const Lcg after_whole = match.random();
    match.random() = draws;
    opponent.target_list(match, opponent.tally(), match.my_shots(), with_secondary ? &secondary : nullptr,
                         ListWanted::FirstOnly);
    EXPECT_EQ(match.random().state(), after_whole.state());
    const std::vector<TargetCandidate> first = listed();
    ASSERT_EQ(first.size(), expected.empty() ? 0u : 1u) << "round " << round;
    if (!expected.empty()) {
      EXPECT_TRUE(same_cell(first[0], expected[0].x, expected[0].y)) << "round " << round;
      EXPECT_EQ(first[0].tally, expected[0].tally);
      EXPECT_EQ(first[0].secondary, expected[0].secondary);
    }
  }
}

}  // namespace
}  // namespace vornmark
