#include "model/ship.h"

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

class ShipTest : public ::testing::Test {
 protected:
  Ship corvette() {
    Ship ship(reporter);
    ship.describe("His Corvette", 2, 1, {{0, 0}, {0, 1}});
    return ship;
  }
  std::vector<CellPos> cells(const Ship& ship) {
    return std::vector<CellPos>(ship.cells().begin(), ship.cells().begin() + ship.cell_count());
  }

  RecordingPlatform platform;
  Reporter reporter{platform};
};

TEST_F(ShipTest, UndescribedShipRefusesEveryChangeWithItsWarning) {
  Ship ship(reporter);
  EXPECT_FALSE(ship.move_to(1, 1));
  EXPECT_FALSE(ship.set_cells(nullptr));
  EXPECT_EQ(ship.add_hit(1), 0);
  EXPECT_EQ(ship.remove_hit(), 0);
  ship.rotate();
  EXPECT_EQ(ship.cells_left(), 0);
  EXPECT_EQ(ship.hit_count(), 0);
  const std::string plain = "Error: (null) not described\n";
  EXPECT_EQ(platform.texts("Vornmark"),
            (std::vector<std::string>{plain, plain, plain, plain, "Error: (null) not described f\n"}));
}

TEST_F(ShipTest, QuarterTurnsAboutTheAnchorComeBackAfterFour) {
  Ship ship = corvette();
  ASSERT_TRUE(ship.move_to(3, 4));
  EXPECT_EQ(cells(ship), (std::vector<CellPos>{{3, 4}, {3, 5}}));
  ship.rotate();
  EXPECT_EQ(cells(ship), (std::vector<CellPos>{{3, 4}, {4, 4}}));
  ship.rotate();
  EXPECT_EQ(cells(ship), (std::vector<CellPos>{{3, 4}, {3, 3}}));
  ship.rotate();
  EXPECT_EQ(cells(ship), (std::vector<CellPos>{{3, 4}, {2, 4}}));
  ship.rotate();
  EXPECT_EQ(cells(ship), (std::vector<CellPos>{{3, 4}, {3, 5}}));

  Ship submarine(reporter);
  submarine.describe("His Submarine", 3, 4, {{0, 0}, {1, 1}, {2, 2}});
  submarine.move_to(5, 5);
  submarine.rotate();
  EXPECT_EQ(cells(submarine), (std::vector<CellPos>{{5, 5}, {6, 4}, {7, 3}}));
  // move_to starts again from the shape as defined.
  submarine.move_to(0, 0);
  EXPECT_EQ(cells(submarine), (std::vector<CellPos>{{0, 0}, {1, 1}, {2, 2}}));

  Ship unplaced = corvette();
  unplaced.rotate();
  EXPECT_FALSE(unplaced.is_placed());
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(ShipTest, HitSlotsFillFromTheFrontAndEmptyFromTheBack) {
  Ship ship = corvette();
  EXPECT_EQ(ship.add_hit(2), 1);
  EXPECT_EQ(ship.add_hit(3), 2);
  EXPECT_EQ(ship.add_hit(4), 3);
  EXPECT_EQ(ship.hit_count(), 2);
  EXPECT_EQ(ship.cells_left(), 0);
  EXPECT_EQ(ship.remove_hit(), 1);
  EXPECT_EQ(ship.hit_at(0), 2);
  EXPECT_EQ(ship.hit_at(1), 0);
  EXPECT_EQ(ship.remove_hit(), 0);
  EXPECT_EQ(ship.remove_hit(), -1);
  EXPECT_EQ(platform.texts("Vornmark"), (std::vector<std::string>{"Error: more hits than cells His Corvette",
                                                                  "Error: no hits left to remove His Corvette"}));
}

TEST_F(ShipTest, SlotsAndCellsBeyondTheShip) {
  Ship ship = corvette();
  ship.move_to(1, 2);
  EXPECT_EQ(ship.hit_at(2), -1);
  EXPECT_EQ(ship.hit_at(-1), -1);
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(ship.where(1), (CellPos{1, 3}));
  EXPECT_EQ(ship.where(2), (CellPos{0, 0}));
  EXPECT_EQ(platform.texts("Vornmark"), (std::vector<std::string>{"Ship::where cell > len"}));
}

TEST_F(ShipTest, DescribeUnplacesButKeepsTheLastScanCount) {
  Ship ship = corvette();
  ship.move_to(1, 1);
  ship.add_hit(1);
  ship.set_tot_matches(12);
  ship.unplace();
  EXPECT_FALSE(ship.is_placed());
  EXPECT_EQ(ship.hit_count(), 0);
  EXPECT_EQ(ship.tot_matches(), 12);
  ship.describe("Other", 3, 2, {{0, 0}, {0, 1}, {0, 2}});
  EXPECT_EQ(ship.tot_matches(), 12);
  EXPECT_EQ(ship.cell_count(), 3);
  EXPECT_EQ(ship.id(), 2);
}

TEST_F(ShipTest, DumpIsOneMessageWithCellsHitsAndLastScan) {
  TempDir dir;
  ASSERT_TRUE(reporter.log().open((dir / "stats").string()));
  Ship ship = corvette();
  ship.move_to(3, 4);
  ship.add_hit(2);
  ship.set_tot_matches(12);
  ship.dump();
  Ship unplaced = corvette();
  unplaced.dump();
  EXPECT_EQ(reporter.log().message_count(), 2);
  reporter.log().close();
  EXPECT_EQ(read_text(dir / "stats"),
            "\nHis Corvette is at 3,4  3,5  Hit at volleys 2  Tot matches last scan 12\n"
            "\nHis Corvette is at -1,-1  -1,-1  Hit at volleys  Tot matches last scan 0\n");
}

TEST(ShipLetter, FollowsTheFleetIndex) {
  EXPECT_EQ(ship_letter(0), 'A');
  EXPECT_EQ(ship_letter(3), 'D');
}

}  // namespace
}  // namespace vornmark
