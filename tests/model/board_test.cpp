#include "model/board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/reporter.h"
#include "support/recording_platform.h"
#include "support/temp_dir.h"

namespace vornmark {
namespace {

using testing::read_text;
using testing::RecordingPlatform;
using testing::TempDir;

class BoardTest : public ::testing::Test {
 protected:
  std::string trace_text() {
    reporter.log().close();
    return read_text(dir / "stats");
  }
  void open_trace() { ASSERT_TRUE(reporter.log().open((dir / "stats").string())); }

  TempDir dir;
  RecordingPlatform platform;
  Reporter reporter{platform};
};

TEST_F(BoardTest, BoardWithoutStorageHasNoCellsAndReportsEveryAccess) {
  Board board(reporter, "EMPTY");
  EXPECT_EQ(board.width(), 0);
  EXPECT_FALSE(board.in_bounds(0, 0));
  board.restart_search(0);
  CellPos found;
  EXPECT_FALSE(board.next_match(found));
  board.at(0, 0) = 5;
  EXPECT_EQ(board.at(0, 0), 0);
  EXPECT_EQ(platform.texts("Error"),
            (std::vector<std::string>{"\nError accessing EMPTY at 0,0\n", "\nError accessing EMPTY at 0,0\n"}));
}

TEST_F(BoardTest, AccessOutsideReportsThePositionAsPassedAndTouchesNothing) {
  Board board(reporter, "MY SEA");
  board.allocate(15, 15);
  board.at(14, 14) = 3;
  for (CellPos p : {CellPos{-1, 0}, CellPos{15, 3}, CellPos{0, -1}, CellPos{0, 15}}) {
    board.at(p.x, p.y) = 9;  // dropped
  }
  EXPECT_EQ(platform.texts("Error"),
            (std::vector<std::string>{"\nError accessing MY SEA at -1,0\n", "\nError accessing MY SEA at 15,3\n",
                                      "\nError accessing MY SEA at 0,-1\n", "\nError accessing MY SEA at 0,15\n"}));
  EXPECT_EQ(platform.boxes[0].owner, BoxOwner::None);
  int nonzero = 0;
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x) nonzero += board.cell(x, y) != 0;
  EXPECT_EQ(nonzero, 1);

  Board unnamed(reporter);
  unnamed.allocate(2, 2);
  unnamed.at(2, 0);
  EXPECT_EQ(platform.boxes.back().text, "\nError accessing (null) at 2,0\n");
}

TEST_F(BoardTest, SearchCursorWalksMatchesInRowOrderAndStaysExhausted) {
  Board board(reporter, "B");
  board.allocate(5, 5);
  board.at(4, 0) = 2;  // last column
  board.at(1, 1) = 2;
  board.at(0, 3) = 2;
  board.at(2, 2) = 7;
  board.restart_search(2);
  CellPos p;
  ASSERT_TRUE(board.next_match(p));
  EXPECT_EQ(p, (CellPos{4, 0}));
  ASSERT_TRUE(board.next_match(p));
  EXPECT_EQ(p, (CellPos{1, 1}));
  board.at(3, 3) = 2;  // ahead of the cursor: judged by its new value
  board.at(4, 0) = 0;  // behind the cursor: no effect
  ASSERT_TRUE(board.next_match(p));
  EXPECT_EQ(p, (CellPos{0, 3}));
  ASSERT_TRUE(board.next_match(p));
  EXPECT_EQ(p, (CellPos{3, 3}));
  EXPECT_FALSE(board.next_match(p));
  EXPECT_FALSE(board.next_match(p));
  // Searching for 0 walks the empty cells.
  board.restart_search(0);
  int empty = 0;
  while (board.next_match(p)) ++empty;
  EXPECT_EQ(empty, 25 - 4);
}

TEST_F(BoardTest, WholeGridOperations) {
  Board board(reporter, "T");
  Board mask(reporter, "M");
  board.allocate(3, 3);
  mask.allocate(3, 3);
  board.at(0, 0) = 4;
  board.at(1, 0) = -2;
  board.at(2, 0) = 5;
  board.at(0, 1) = 1;
  mask.at(0, 0) = 1;
  mask.at(1, 0) = 3;
  // Cells under the mask are cleared; only the positive ones are counted.
  EXPECT_EQ(board.clear_under(mask), 1);
  EXPECT_EQ(board.at(0, 0), 0);
  EXPECT_EQ(board.at(1, 0), 0);
  EXPECT_EQ(board.at(2, 0), 5);
  EXPECT_EQ(board.at(0, 1), 1);

  board.add(mask);
  board.add(mask);
  EXPECT_EQ(board.at(1, 0), 6);
  EXPECT_EQ(board.at(2, 0), 5);
  board.clear();
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(board.at(x, y), 0);

  // A board of another width counts where it overlaps, cell by cell, not as one array.
  Board narrow(reporter, "N");
  narrow.allocate(2, 4);
  narrow.at(1, 1) = 7;
  narrow.at(0, 3) = 9;
  board.add(narrow);
  EXPECT_EQ(board.at(1, 1), 7);
  EXPECT_EQ(board.at(2, 0), 0);
  EXPECT_EQ(board.at(0, 2), 0);
  board.at(2, 1) = 4;
  EXPECT_EQ(board.clear_under(narrow), 1);
  EXPECT_EQ(board.at(1, 1), 0);
  EXPECT_EQ(board.at(2, 1), 4);
}

TEST_F(BoardTest, SetSizeReinterpretsStorageWithoutMovingValues) {
  Board board(reporter, "S");
  board.allocate(15, 15);
  board.at(10, 0) = 8;
  board.set_size(10, 10);
  EXPECT_EQ(board.width(), 10);
  EXPECT_EQ(board.at(0, 1), 8);
  // A size the storage cannot hold is refused.
  board.set_size(16, 16);
  EXPECT_EQ(board.width(), 10);
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(BoardTest, RecordShotWarnsOutsideAndTwiceAndRestartsTheSearchForANewVolley) {
  Board shots(reporter, "HIS SHOTS");
  shots.allocate(15, 15);
  shots.record_shot(1, 3, 3);
  shots.record_shot(1, 3, 3);
  EXPECT_EQ(shots.at(3, 3), 1);
  shots.record_shot(2, 15, 0);
  EXPECT_EQ(shots.search_value(), 2);
  EXPECT_EQ(platform.texts("Vornmark"), (std::vector<std::string>{"Error firing twice at HIS SHOTS 3,3",
                                                                  "Error volley out of bounds HIS SHOTS at 15,0"}));

  shots.record_shot(3, 7, 2);
  shots.record_shot(3, 1, 5);
  shots.record_shot(3, 4, 2);
  shots.restart_search(3);
  std::vector<CellPos> walk;
  CellPos p;
  while (shots.next_match(p)) walk.push_back(p);
  EXPECT_EQ(walk, (std::vector<CellPos>{{4, 2}, {7, 2}, {1, 5}}));
}

TEST_F(BoardTest, DumpNumbersWritesOneMessagePerRowBetweenHeaders) {
  open_trace();
  Board tally(reporter, "Tally");
  tally.allocate(3, 2);
  tally.at(1, 0) = 7;
  tally.dump_numbers();
  EXPECT_EQ(reporter.log().message_count(), 5);
  EXPECT_EQ(trace_text(),
            "\nTally\n   0  1  2  3  4  5  6  7  8  9\n"
            "0: .  7  . :0\n"
            "1: .  .  . :1\n"
            "   0  1  2  3  4  5  6  7  8  9\n"
            "\n");
}

TEST_F(BoardTest, DumpNumbersOfAnUnnamedBoardWithWideValuesAndTwoDigitRows) {
  open_trace();
  Board board(reporter);
  board.allocate(11, 11);
  board.at(0, 10) = 123;
  board.dump_numbers();
  const std::string text = trace_text();
  EXPECT_EQ(text.substr(0, 8), "\n(null)\n");
  EXPECT_NE(text.find("10:123  .  .  .  .  .  .  .  .  .  . :10\n"), std::string::npos);
}

TEST_F(BoardTest, DumpLettersShowsShipLettersBesideTheOtherBoard) {
  open_trace();
  Board ships(reporter, "HIS REAL SHIPS");
  Board shots(reporter, "MY SHOTS");
  ships.allocate(3, 2);
  shots.allocate(3, 2);
  ships.at(0, 0) = 1;
  ships.at(1, 1) = 4;
  shots.at(0, 0) = 2;
  shots.at(2, 1) = 11;
  ships.dump_letters(shots);
  EXPECT_EQ(reporter.log().message_count(), 4);
  EXPECT_EQ(trace_text(),
            "\nHIS REAL SHIPS\n  0  1  2  3  4  5  6  7  8  9\n"
            "0:A2 .  .  \n"
            "1:.  D  .11 \n"
            "  0  1  2  3  4  5  6  7  8  9\n");
}

TEST_F(BoardTest, DumpsCountTheirMessagesEvenWhenTheLogIsClosed) {
  Board board(reporter, "X");
  board.allocate(4, 4);
  board.dump_numbers();
  board.dump_letters(board);
  EXPECT_EQ(reporter.log().message_count(), (4 + 3) + (4 + 2));
}

}  // namespace
}  // namespace vornmark
