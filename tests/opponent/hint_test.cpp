#include "opponent/hint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opponent/opponent_fixture.h"

namespace vornmark {
namespace {

using testing::OpponentFixture;

// The hint counts the computer's fleet from the player's shots ("HIS SHOTS") and the hits the
// computer's ships took, as the opponent counts the player's fleet.
class HintTest : public OpponentFixture {
 protected:
  void SetUp() override { start(); }
  void shoot(int volley, std::initializer_list<CellPos> cells) {
    for (CellPos c : cells) match.mutable_his_shots().record_shot(volley, c.x, c.y);
  }
  void hit(int index, int volley) { match.mutable_my_fleet()[static_cast<std::size_t>(index)].add_hit(volley); }

  FleetHint hint{platform};
};

TEST_F(HintTest, CountsEachShipsConsistentPlacementsFromThePlayersShotsAndTheComputersHits) {
  // A fresh grid: every placement of every ship.
  hint.count(match);
  EXPECT_EQ(hint.placements(), (std::array<int, 4>{420, 390, 360, 338}));
  EXPECT_EQ(hint.highest_unshot(), 4 + 6 + 8 + 6);  // an inner cell: 4, 6, 8 straight and 6 diagonal

  // A volley without hits rules out every placement through its cells.
  shoot(1, {{7, 7}});
  hint.count(match);
  EXPECT_EQ(hint.placements(), (std::array<int, 4>{416, 384, 352, 332}));
  EXPECT_EQ(hint.placements_at(7, 7), 0);

  // One hit on the Destroyer in volley 2, which fired at three cells: its placements pass through
  // exactly one of them, none through the miss of volley 1.
  const std::vector<CellPos> volley2 = {{2, 2}, {10, 3}, {12, 12}};
  for (CellPos c : volley2) shoot(2, {c});
  hit(kDestroyer, 2);
  hint.count(match);
  // Ships without hits cannot cover a shot cell, so the cells of volley 2 carry the Destroyer's
  // placements alone, each placement on exactly one of them.
  int through_volley2 = 0;
  for (CellPos c : volley2) through_volley2 += hint.placements_at(c.x, c.y);
  EXPECT_EQ(through_volley2, hint.placements()[kDestroyer]);
  EXPECT_EQ(hint.placements()[kDestroyer], 3 * 6);  // six straight placements through each inner cell
  EXPECT_FALSE(hint.certain_at(2, 2));
  EXPECT_TRUE(platform.boxes.empty());

  // Volley 3 being aimed: its hits are not known yet, so its shots count as unshot until it is
  // resolved, whenever the hint is counted.
  const std::array<int, 4> before = hint.placements();
  match.set_play_state(PlayState::PlayerAiming);
  match.mutable_counters().player_volley = 3;
  shoot(3, {{5, 5}, {6, 6}});
  hint.count(match);
  EXPECT_EQ(hint.placements(), before);
  EXPECT_GT(hint.placements_at(5, 5), 0);
  match.set_play_state(PlayState::PlayerVolleyShown);
  hint.count(match);
  EXPECT_LT(hint.placements()[kBattleship], before[kBattleship]);
  EXPECT_EQ(hint.placements_at(5, 5), 0);
}

TEST_F(HintTest, AShipWithOnePlacementLeftIsCertainAndBlocksTheOthers) {
  // The Corvette hit once by volley 1, which fired at the corner alone; volley 2 missed beside it:
  // the Corvette can only lie down from the corner.
  shoot(1, {{0, 0}});
  shoot(2, {{1, 0}});
  hit(kCorvette, 1);
  hint.count(match);
  EXPECT_EQ(hint.placements()[kCorvette], 1);
  EXPECT_TRUE(hint.certain_at(0, 0));
  EXPECT_TRUE(hint.certain_at(0, 1));
  EXPECT_FALSE(hint.certain_at(1, 1));
  // Its unshot cell is the Corvette's alone: the ships scanned after it keep off its cells.
  EXPECT_EQ(hint.placements_at(0, 1), 1);
  // Below it two placements each are left for the Destroyer, the Battleship and the Submarine.
  EXPECT_EQ(hint.placements_at(0, 2), 2 + 2 + 2);

  // Sunk, it still blocks, and counts 0.
  shoot(3, {{0, 1}});
  hit(kCorvette, 3);
  hint.count(match);
  EXPECT_EQ(hint.placements()[kCorvette], 0);
  EXPECT_TRUE(hint.certain_at(0, 1));
  EXPECT_EQ(hint.placements_at(0, 1), 0);
}

TEST_F(HintTest, CountingTheHintLeavesTheOpponentTheTraceAndTheGeneratorAlone) {
  open_trace();
  new_game_with_scattered_fleet();
  shoot(1, {{3, 3}, {4, 4}});
  const std::uint32_t state = match.random().state();
  const int messages = match.report().log().message_count();
  hint.count(match);
  EXPECT_EQ(match.random().state(), state);
  EXPECT_EQ(match.report().log().message_count(), messages);
  EXPECT_EQ(cells_holding(opponent.his_sea(), 0), 15 * 15);
  EXPECT_EQ(trace_text(), "");
}

}  // namespace
}  // namespace vornmark
