#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opponent/opponent.h"
#include "opponent_fixture.h"

namespace vornmark {
namespace {

using testing::OpponentFixture;
using Rows = std::vector<std::vector<int>>;

// The text a numbers dump of these rows writes under this name.
std::string numbers(const char* name, const Rows& rows) {
  const std::string header = "   0  1  2  3  4  5  6  7  8  9\n";
  std::string text = std::string("\n") + name + "\n" + header;
  for (std::size_t y = 0; y < rows.size(); ++y) {
    text += std::to_string(y) + ":";
    for (int value : rows[y]) {
      char cell[8];
      std::snprintf(cell, sizeof cell, value != 0 ? "%2d " : " . ", value);
      text += cell;
    }
    text += ":" + std::to_string(y) + "\n";
  }
  return text + header + "\n";
}

class GammaPhaseTest : public OpponentFixture {
 protected:
  void SetUp() override { start(4); }
  void set_region(int ship, std::initializer_list<std::pair<CellPos, int>> counts) {
    for (const auto& [cell, count] : counts) opponent.reasoner().mutable_ship_tally(ship).cell(cell.x, cell.y) = count;
  }
};

TEST_F(GammaPhaseTest, ShotStripsTheRegionOfEveryAfloatShipItCouldHit) {
  open_trace();
  match.mutable_counters().computer_volley = 5;
  match.mutable_counters().computer_shots_per_volley = 3;
  set_region(kCorvette, {{{0, 0}, 2}, {{1, 0}, 1}});
  set_region(kDestroyer, {{{1, 0}, 3}, {{2, 0}, 1}});
  set_region(kBattleship, {{{3, 3}, 1}});
  set_region(kSubmarine, {{{0, 3}, 5}});
  for (int v : {1, 2, 3}) match.mutable_his_fleet()[kSubmarine].add_hit(v);  // sunk: its counts are ignored

  EXPECT_EQ(opponent.gamma_fire(match, 0), 2);
  EXPECT_EQ(cells_where(match.my_shots(), 5), (std::vector<CellPos>{{1, 0}, {3, 3}}));

  const Rows empty = {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}};
  const std::string expected =
      "CERTAIN_TALLY[A]" + numbers("(null)", {{2, 1, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}) +
      "CERTAIN_TALLY[B]" + numbers("(null)", {{0, 3, 1, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}) +
      "CERTAIN_TALLY[C]" + numbers("(null)", {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 1}}) + "Ship D sunk" +
      "TALLY before stripping\n" + numbers("Tally", {{2, 4, 1, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 1}}) +
      "V5/R1 GAMMA fire @(1,0) " + "TALLY after stripping ship A" +
      numbers("Tally", {{0, 0, 1, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 1}}) + "TALLY after stripping ship B" +
      numbers("Tally", {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 1}}) + "Ship C not affected" +
      "Ship D not affected" + "TALLY before stripping\n" +
      numbers("Tally", {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 1}}) + "V5/R2 GAMMA fire @(3,3) " +
      "Ship A not affected" + "Ship B not affected" + "TALLY after stripping ship C" + numbers("Tally", empty) +
      "Ship D not affected" + "TALLY before stripping\n" + numbers("Tally", empty) + "V5  Tot shots taken: 2\n";
  EXPECT_EQ(trace_text(), expected);
}

TEST_F(GammaPhaseTest, SeparateRegionsEachTakeOneShotUpToTheVolleySize) {
  match.mutable_counters().computer_volley = 2;
  match.mutable_counters().computer_shots_per_volley = 3;
  // A pinned Corvette's remaining cells, and two wider regions; one cell already shot.
  set_region(kCorvette, {{{0, 0}, 1}, {{0, 1}, 1}});
  set_region(kDestroyer, {{{2, 0}, 2}, {{3, 0}, 2}, {{2, 1}, 1}});
  set_region(kBattleship, {{{1, 3}, 1}, {{2, 3}, 1}, {{3, 3}, 3}});
  match.mutable_my_shots().cell(3, 3) = 1;
  const std::uint32_t before = match.random().state();
  EXPECT_EQ(opponent.gamma_fire(match, 0), 3);
  const std::vector<CellPos> fired = cells_where(match.my_shots(), 2);
  ASSERT_EQ(fired.size(), 3u);
  for (int ship : {kCorvette, kDestroyer, kBattleship}) {
    int shots_in_region = 0;
    for (CellPos c : fired) shots_in_region += opponent.reasoner().ship_tally(ship).cell(c.x, c.y) != 0;
    EXPECT_EQ(shots_in_region, 1) << "ship " << ship;
  }
  EXPECT_EQ(match.my_shots().cell(3, 3), 1);
  // One draw per shot, none for the list that was not taken.
  Lcg replay;
  replay.seed(before);
  for (int i = 0; i < 3; ++i) replay.draw();
  EXPECT_EQ(match.random().state(), replay.state());

  // Started with one shot fired, the phase fires only the rest of the volley.
  start(4);
  match.mutable_counters().computer_volley = 2;
  match.mutable_counters().computer_shots_per_volley = 3;
  set_region(kCorvette, {{{0, 0}, 1}});
  set_region(kDestroyer, {{{2, 2}, 1}});
  set_region(kBattleship, {{{3, 0}, 1}});
  EXPECT_EQ(opponent.gamma_fire(match, 1), 3);
  EXPECT_EQ(cells_holding(match.my_shots(), 2), 2);
}

}  // namespace
}  // namespace vornmark
