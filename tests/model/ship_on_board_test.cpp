#include "model/ship_on_board.h"

#include <gtest/gtest.h>

#include "model/board.h"
#include "model/ship.h"
#include "report/reporter.h"
#include "support/recording_platform.h"

namespace vornmark {
namespace {

using testing::RecordingPlatform;

class ShipOnBoardTest : public ::testing::Test {
 protected:
  ShipOnBoardTest() {
    sea.allocate(15, 15);
    battleship.describe("My Battleship", 4, 3, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});
    corvette.describe("My Corvette", 2, 1, {{0, 0}, {0, 1}});
  }
  int occupied() const {
    int count = 0;
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < 15; ++x) count += sea.cell(x, y) != 0;
    return count;
  }

  RecordingPlatform platform;
  Reporter reporter{platform};
  Board sea{reporter, "MY SEA"};
  Ship battleship{reporter};
  Ship corvette{reporter};
};

TEST_F(ShipOnBoardTest, PlacesOnlyWhenEveryCellIsInsideAndFree) {
  battleship.move_to(0, 12);
  EXPECT_FALSE(place_ship(sea, battleship));
  EXPECT_EQ(occupied(), 0);
  battleship.move_to(0, 11);
  EXPECT_TRUE(place_ship(sea, battleship));
  for (int y = 11; y < 15; ++y) EXPECT_EQ(sea.cell(0, y), 3);

  // Across the first ship: none of its cells are written, not even the free one.
  corvette.move_to(0, 10);
  EXPECT_FALSE(place_ship(sea, corvette));
  EXPECT_EQ(sea.cell(0, 10), 0);
  // Its own earlier stamp counts as occupied.
  EXPECT_FALSE(place_ship(sea, battleship));
  EXPECT_EQ(occupied(), 4);

  // An unplaced ship never fits.
  corvette.unplace();
  EXPECT_FALSE(place_ship(sea, corvette));
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(ShipOnBoardTest, RemoveClearsTheShipsCellsAndReportsCellsOutside) {
  battleship.move_to(2, 2);
  ASSERT_TRUE(place_ship(sea, battleship));
  remove_ship(sea, battleship);
  EXPECT_EQ(occupied(), 0);

  corvette.unplace();
  sea.at(5, 5) = 2;
  remove_ship(sea, corvette);
  EXPECT_EQ(occupied(), 1);
  EXPECT_TRUE(platform.boxes.empty());

  // A ship whose cells leave the board: the inside cell is cleared, the outside one reported.
  corvette.move_to(5, 14);
  sea.at(5, 14) = 1;
  remove_ship(sea, corvette);
  EXPECT_EQ(sea.at(5, 14), 0);
  EXPECT_EQ(platform.texts("Error"), (std::vector<std::string>{"\nError accessing MY SEA at 5,15\n"}));
}

}  // namespace
}  // namespace vornmark
