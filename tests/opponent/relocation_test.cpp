#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ship_on_board.h"
#include "opponent/opponent.h"
#include "opponent/target_list.h"
#include "opponent_fixture.h"

namespace vornmark {
namespace {

using testing::OpponentFixture;

class RelocationTest : public OpponentFixture {
 protected:
  void lay(int index, std::vector<CellPos> cells) {
    Ship& ship = match.mutable_my_fleet()[index];
    ship.set_cells(cells.data());
    ASSERT_TRUE(place_ship(match.mutable_my_sea(), ship));
  }
  std::vector<CellPos> cells_of(int index) const {
    const Ship& ship = match.my_fleet()[index];
    return {ship.cells().begin(), ship.cells().begin() + ship.cell_count()};
  }
  static bool ends_with(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
  }
};

TEST_F(RelocationTest, NoUnshotCellForTheShipLeavesEverythingAsItWas) {
  start(4, kAdvanced);
  open_trace();
  lay(kCorvette, {{1, 1}, {1, 2}});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) match.mutable_his_shots().cell(x, y) = 1 + (x + y) % 6;
  // An earlier list left its chosen cell in row 3 of record 0.
  opponent.mutable_tally().cell(2, 3) = 5;
  opponent.target_list(match, opponent.tally(), match.my_shots(), nullptr);
  ASSERT_EQ(opponent.targets()[0].y, 3);

  EXPECT_FALSE(opponent.relocate_ship(match, kCorvette));
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(match.settings().PlayLevel, kAdvanced);
  EXPECT_EQ(cells_of(kCorvette), (std::vector<CellPos>{{1, 1}, {1, 2}}));
  EXPECT_EQ(cells_where(match.my_sea(), 1), (std::vector<CellPos>{{1, 1}, {1, 2}}));
  const std::string trace = trace_text();
  EXPECT_EQ(
      trace.rfind("(under attack) wk_ship:\n\nMy Corvette is at 1,1  1,2  Hit at volleys  Tot matches last scan 0\n"
                  "After shuffle/radar\n\nTemp tally\n",
                  0),
      0u);
  EXPECT_TRUE(ends_with(trace, "Shooting at (-1,3)\n"));
}

TEST_F(RelocationTest, NoFittingLineFromAnyListedCellRevertsToIntermediate) {
  start(6, kAdvanced);
  open_trace();
  // The Destroyer lies on (1,2)-(3,2), hit at both ends in volley 1; volley 6 now hits its middle.
  // The placements that still fit have both end cells shot, so no line from their unshot middle
  // cells fits.
  lay(kDestroyer, {{1, 2}, {2, 2}, {3, 2}});
  lay(kCorvette, {{5, 0}, {5, 1}});
  match.mutable_my_fleet()[kDestroyer].add_hit(1);
  match.mutable_my_fleet()[kDestroyer].add_hit(1);
  fill(match.mutable_his_shots(), {{1, 2}, {3, 2}, {1, 4}, {3, 4}}, 1);
  match.mutable_his_shots().cell(2, 2) = 6;

  EXPECT_FALSE(opponent.relocate_ship(match, kDestroyer));
  EXPECT_EQ(platform.texts("Vornmark"),
            (std::vector<std::string>{"System Error 109 in Advanced mode. Reverting to Intermediate"}));
  EXPECT_EQ(match.settings().PlayLevel, kIntermediate);
  EXPECT_EQ(cells_of(kDestroyer), (std::vector<CellPos>{{1, 2}, {2, 2}, {3, 2}}));
  EXPECT_EQ(cells_where(match.my_sea(), 2), (std::vector<CellPos>{{1, 2}, {2, 2}, {3, 2}}));
  EXPECT_EQ(cells_where(match.my_sea(), 1), (std::vector<CellPos>{{5, 0}, {5, 1}}));
  EXPECT_EQ(match.my_fleet()[kDestroyer].hit_count(), 2);

  const std::string trace = trace_text();
  // Three listed cells, the middles (1,3), (2,4) and (3,3), each tried in four turns.
  EXPECT_EQ(occurrences(trace, "SHOTS entry # "), 3);
  EXPECT_NE(trace.find("SHOTS entry # 3 = ("), std::string::npos);
  EXPECT_NE(trace.find("try_fit failed cycle 0\ntry_fit failed cycle 1\n"), std::string::npos);
  EXPECT_TRUE(
      ends_with(trace, "try_fit failed cycle 11\nSystem Error 109 in Advanced mode. Reverting to Intermediate"));
  EXPECT_NE(trace.find("After remove\n\nMY SEA\n"), std::string::npos);
  EXPECT_NE(trace.find("checking out the miscreants\n\nMY SEA\n"), std::string::npos);
}

TEST_F(RelocationTest, ShipMovesToAnUnshotPlaceClearOfTheOtherShips) {
  start(15, kAdvanced);
  open_trace();
  lay(kCorvette, {{5, 5}, {5, 6}});
  lay(kBattleship, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});
  lay(kSubmarine, {{9, 9}, {10, 10}, {11, 11}});
  match.mutable_my_fleet()[kBattleship].add_hit(2);
  fill(match.mutable_his_shots(), {{0, 1}, {7, 7}, {12, 3}}, 2);
  fill(match.mutable_his_shots(), {{5, 5}, {2, 9}}, 6);

  EXPECT_TRUE(opponent.relocate_ship(match, kCorvette));
  const std::vector<CellPos> moved = cells_of(kCorvette);
  EXPECT_NE(moved, (std::vector<CellPos>{{5, 5}, {5, 6}}));
  for (CellPos c : moved) {
    EXPECT_EQ(match.his_shots().cell(c.x, c.y), 0);
    EXPECT_EQ(match.my_sea().cell(c.x, c.y), 1);
  }
  EXPECT_EQ(cells_holding(match.my_sea(), 1), 2);
  EXPECT_EQ(cells_holding(match.my_sea(), 3), 4);
  EXPECT_EQ(cells_holding(match.my_sea(), 4), 3);
  EXPECT_EQ(match.my_fleet()[kCorvette].hit_count(), 0);
  EXPECT_EQ(match.settings().PlayLevel, kAdvanced);
  EXPECT_TRUE(platform.boxes.empty());
  // The new anchor is the first listed cell: unshot, with the most placements.
  int best = 0;
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x)
      if (match.his_shots().cell(x, y) == 0) best = std::max(best, opponent.temp_tally().cell(x, y));
  EXPECT_EQ(opponent.temp_tally().cell(moved[0].x, moved[0].y), best);

  const std::string trace = trace_text();
  char moved_dump[96];
  std::snprintf(moved_dump, sizeof moved_dump,
                "After succesful try_fit\n\nMy Corvette is at %d,%d  %d,%d  Hit at volleys  Tot matches last scan 0\n",
                moved[0].x, moved[0].y, moved[1].x, moved[1].y);
  EXPECT_NE(trace.find(moved_dump), std::string::npos);
  EXPECT_NE(trace.find("SHOTS entry # 1 = ("), std::string::npos);
  EXPECT_EQ(trace.find("try_fit failed"), std::string::npos);
  EXPECT_NE(trace.find("After place\n\nMY SEA\n"), std::string::npos);
}

}  // namespace
}  // namespace vornmark
