#include "opponent/placement_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "opponent/opponent.h"
#include "opponent/opponent_fixture.h"

namespace vornmark {
namespace {

using testing::OpponentFixture;

std::vector<int> values_of(const Board& board) {
  std::vector<int> values;
  for (int y = 0; y < board.height(); ++y)
    for (int x = 0; x < board.width(); ++x) values.push_back(board.cell(x, y));
  return values;
}

class PlacementScanTest : public OpponentFixture {
 protected:
  void SetUp() override { start(); }
  Ship& corvette() { return match.mutable_his_fleet()[kCorvette]; }
  Ship& destroyer() { return match.mutable_his_fleet()[kDestroyer]; }
  void set_hits(Ship& ship, std::initializer_list<int> volleys) {
    ship.unplace();
    for (int v : volleys) ship.add_hit(v);
  }
  // Lays the Destroyer straight down from (x, y) on cells holding the given volley numbers.
  bool destroyer_fits_on(std::initializer_list<int> under) {
    match.mutable_my_shots().clear();
    int row = 2;
    for (int v : under) match.mutable_my_shots().cell(5, row++) = v;
    destroyer().move_to(5, 2);
    return try_fit(match.my_shots(), nullptr, destroyer());
  }
};

TEST_F(PlacementScanTest, CorvetteOnAnEmptyBoardHas420PlacementsAndCountsTwoThreeFour) {
  const int count = scan_ship(match.my_shots(), nullptr, corvette(), opponent.mutable_tally());
  EXPECT_EQ(count, 420);
  EXPECT_EQ(corvette().tot_matches(), 420);
  for (CellPos corner : {CellPos{0, 0}, CellPos{14, 0}, CellPos{0, 14}, CellPos{14, 14}})
    EXPECT_EQ(opponent.mutable_tally().cell(corner.x, corner.y), 2);
  for (CellPos border : {CellPos{1, 0}, CellPos{0, 7}, CellPos{14, 13}, CellPos{9, 14}})
    EXPECT_EQ(opponent.mutable_tally().cell(border.x, border.y), 3);
  for (int y = 1; y < 14; ++y)
    for (int x = 1; x < 14; ++x) ASSERT_EQ(opponent.mutable_tally().cell(x, y), 4) << x << "," << y;
  // The placed cells end on the last orientation tried: a half turn on the last anchor.
  EXPECT_EQ(corvette().cells()[0], (CellPos{14, 14}));
  EXPECT_EQ(corvette().cells()[1], (CellPos{14, 13}));

  // The tally is not cleared: a second scan adds the same counts again.
  scan_ship(match.my_shots(), nullptr, corvette(), opponent.mutable_tally());
  EXPECT_EQ(opponent.mutable_tally().cell(0, 0), 4);
  EXPECT_EQ(opponent.mutable_tally().cell(7, 7), 8);
}

TEST_F(PlacementScanTest, FitComparesTheVolleysUnderTheShipWithItsHitRecord) {
  set_hits(destroyer(), {2});
  EXPECT_TRUE(destroyer_fits_on({0, 2, 0}));
  EXPECT_EQ(destroyer().matched()[0], 1);  // the volley-2 slot
  EXPECT_EQ(destroyer().matched()[1], 1);
  EXPECT_EQ(destroyer().matched()[2], 1);
  EXPECT_FALSE(destroyer_fits_on({2, 2, 0}));  // two cells of volley 2, one hit
  EXPECT_FALSE(destroyer_fits_on({1, 0, 0}));  // no hit in volley 1
  EXPECT_FALSE(destroyer_fits_on({0, 0, 0}));  // the hit of volley 2 is unexplained

  // A cell of the volley being planned has no hit slot yet and excludes the placement.
  set_hits(destroyer(), {});
  EXPECT_FALSE(destroyer_fits_on({0, 3, 0}));
  EXPECT_TRUE(destroyer_fits_on({0, 0, 0}));

  // A sunk ship fits only wholly on shot cells whose volleys match its record, in any order.
  set_hits(destroyer(), {1, 4, 4});
  EXPECT_TRUE(destroyer_fits_on({4, 1, 4}));
  EXPECT_FALSE(destroyer_fits_on({4, 1, 0}));
  EXPECT_FALSE(destroyer_fits_on({4, 1, 1}));

  // Outside the board never fits; the occupancy blocks other ships' ids but not its own.
  set_hits(destroyer(), {});
  match.mutable_my_shots().clear();
  destroyer().move_to(14, 13);
  EXPECT_FALSE(try_fit(match.my_shots(), nullptr, destroyer()));
  destroyer().move_to(3, 3);
  opponent.reasoner().mutable_occupancy().cell(3, 4) = destroyer().id();
  EXPECT_TRUE(try_fit(match.my_shots(), &opponent.reasoner().mutable_occupancy(), destroyer()));
  opponent.reasoner().mutable_occupancy().cell(3, 5) = kBattleship + 1;
  EXPECT_FALSE(try_fit(match.my_shots(), &opponent.reasoner().mutable_occupancy(), destroyer()));
  EXPECT_TRUE(try_fit(match.my_shots(), nullptr, destroyer()));
}

TEST_F(PlacementScanTest, HitRecordLimitsPlacementsToTheCellsOfItsVolleys) {
  // Volley 3 fired at three cells; the Battleship had one hit in it.
  const std::vector<CellPos> volley3 = {{4, 4}, {9, 2}, {12, 12}};
  for (CellPos c : volley3) match.mutable_my_shots().cell(c.x, c.y) = 3;
  match.mutable_my_shots().cell(6, 6) = 1;
  Ship& battleship = match.mutable_his_fleet()[kBattleship];
  set_hits(battleship, {3});
  const int count = scan_ship(match.my_shots(), nullptr, battleship, opponent.mutable_tally());
  EXPECT_GT(count, 0);
  // Every placement covers exactly one volley-3 cell, so their tallies add up to the count,
  // and no placement covers the volley-1 cell.
  int on_volley3 = 0;
  for (CellPos c : volley3) on_volley3 += opponent.mutable_tally().cell(c.x, c.y);
  EXPECT_EQ(on_volley3, count);
  EXPECT_EQ(opponent.mutable_tally().cell(6, 6), 0);
  // (4, 4) lies four cells from every edge: 4 straight placements cover it each way.
  EXPECT_EQ(opponent.mutable_tally().cell(4, 4), 8);

  // A record that fits nowhere gives 0 and leaves the tally as it was.
  const std::vector<int> before = values_of(opponent.mutable_tally());
  set_hits(battleship, {2, 2});
  EXPECT_EQ(scan_ship(match.my_shots(), nullptr, battleship, opponent.mutable_tally()), 0);
  EXPECT_EQ(battleship.tot_matches(), 0);
  EXPECT_EQ(values_of(opponent.mutable_tally()), before);
}

// Scans copies of the ship and the tally both ways and expects the same count, tally, placed
// cells and matched flags; returns the count.
int expect_scan_as_plain(const Board& shots, const Board* occupancy, const Ship& model, const Board& tally,
                         const std::string& where) {
  Ship fast = model;
  Ship plain = model;
  Board fast_tally = tally;
  Board plain_tally = tally;
  const int count = scan_ship(shots, occupancy, fast, fast_tally);
  EXPECT_EQ(count, scan_ship_plain(shots, occupancy, plain, plain_tally)) << where;
  EXPECT_EQ(fast.tot_matches(), plain.tot_matches()) << where;
  EXPECT_EQ(values_of(fast_tally), values_of(plain_tally)) << where;
  EXPECT_EQ(fast.cells(), plain.cells()) << where;
  EXPECT_EQ(fast.matched(), plain.matched()) << where;
  return count;
}

// Random shot boards, hit records and occupancies on boards of many (not only square) sizes,
// for every ship of the fleet and for shapes unlike them: bent, gapped, longer, a single cell,
// and without a cell at the anchor.
TEST_F(PlacementScanTest, FastScanAgreesWithThePlainScanOnRandomBoards) {
  std::mt19937 random(20240611);
  auto uniform = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  std::vector<Ship> models(match.his_fleet().begin(), match.his_fleet().end());
  for (int i = 0; i < 5; ++i) models.emplace_back(match.report());
  models[4].describe("Bent", 3, 1, {{0, 0}, {0, 1}, {1, 1}});
  models[5].describe("Gapped", 3, 2, {{0, 0}, {0, 2}, {0, 4}});
  models[6].describe("Long", 5, 3, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
  models[7].describe("Single", 1, 4, {{0, 0}});
  models[8].describe("Off anchor", 2, 3, {{1, 2}, {2, 2}});
  int fitted_somewhere = 0;
  for (int trial = 0; trial < 900; ++trial) {
    const int width = uniform(1, 40);
    const int height = uniform(1, 900 / width < 32 ? 900 / width : 32);
    Board shots(match.report(), "SHOTS");
    Board occupancy(match.report(), "SEA");
    Board tally(match.report(), "TALLY");
    for (Board* board : {&shots, &occupancy, &tally}) board->allocate(width, height);
    const int density = uniform(0, 80);
    const int volleys = uniform(1, 6);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (uniform(0, 99) < density) shots.cell(x, y) = uniform(1, volleys);
        if (uniform(0, 99) < 8) occupancy.cell(x, y) = uniform(1, 4);
        tally.cell(x, y) = uniform(0, 3);
      }
    }

    Ship ship = models[static_cast<std::size_t>(trial) % models.size()];
    ship.unplace();
    if (trial % 3 != 0) {
      // A record that some placement explains: the volleys under a random placement.
      ship.move_to(uniform(0, width - 1), uniform(0, height - 1));
      if (uniform(0, 1) == 1) ship.rotate();
      std::vector<int> under;
      for (int i = 0; i < ship.cell_count(); ++i) {
        const CellPos c = ship.cells()[i];
        if (shots.in_bounds(c.x, c.y) && shots.cell(c.x, c.y) != 0) under.push_back(shots.cell(c.x, c.y));
      }
      std::shuffle(under.begin(), under.end(), random);
      for (int v : under) ship.add_hit(v);
    } else {
      for (int hits = uniform(0, ship.cell_count()); hits > 0; --hits) ship.add_hit(uniform(1, volleys));
    }
    const bool blocked = uniform(0, 1) == 1;
    const std::string where = "trial " + std::to_string(trial);
    fitted_somewhere += expect_scan_as_plain(shots, blocked ? &occupancy : nullptr, ship, tally, where) > 0;
    if (HasFailure()) return;
  }
  // The trials must exercise fitting placements, not only empty scans.
  EXPECT_GT(fitted_somewhere, 400);
  EXPECT_TRUE(platform.boxes.empty());
}

// The boards of whole simulated games on every grid: many volleys, hits on several ships, sunk
// ships, and as occupancy the pinned ships the planner left and the player's real fleet. Each
// grid plays with its own volley size and level.
TEST_F(PlacementScanTest, FastScanAgreesWithThePlainScanThroughWholeGames) {
  int sunk_scans = 0;
  int hit_scans = 0;
  for (int grid = 4; grid <= 30; ++grid) {
    start(grid, grid % 3, 1 + grid % 10, 1 + grid % 12);
    match.random().seed(static_cast<std::uint32_t>(grid));
    new_game_with_scattered_fleet();
    int left = 12;
    for (match.mutable_counters().computer_volley = 1; left > 0 && match.counters().computer_volley <= grid * grid;
         ++match.mutable_counters().computer_volley) {
      opponent.plan_volley(match);
      match.take_real_hits();
      left = 0;
      for (const Ship& ship : match.his_fleet()) left += ship.cells_left();
      for (const Ship& ship : match.his_fleet()) {
        const std::string where = "grid " + std::to_string(grid) + " volley " +
                                  std::to_string(match.counters().computer_volley) + " " + ship.display_name();
        for (const Board* occupancy : std::initializer_list<const Board*>{
                 nullptr, &opponent.reasoner().mutable_occupancy(), &match.mutable_his_real_ships()})
          expect_scan_as_plain(match.my_shots(), occupancy, ship, opponent.mutable_tally(), where);
        sunk_scans += ship.cells_left() == 0;
        hit_scans += ship.hit_count() > 0;
        if (HasFailure()) return;
      }
    }
    EXPECT_EQ(left, 0) << "grid " << grid;
  }
  EXPECT_GT(sunk_scans, 27 * 4);
  EXPECT_GT(hit_scans, 27 * 20);
}

}  // namespace
}  // namespace vornmark
