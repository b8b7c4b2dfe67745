#include <gtest/gtest.h>

#include "play/fleet_status.h"
#include "play_fixture.h"

namespace vornmark {
namespace {

using testing::PlayFixture;

class AdvancedLevelTest : public PlayFixture {
 protected:
  // One-shot volleys, no pauses, Manual mode: each press is a whole exchange.
  void start_one_shot_game() {
    start();
    match.mutable_settings().PlayLevel = kAdvanced;
    match.mutable_settings().NumberOfShots = 1;
    match.mutable_settings().AutomaticMode = 0;
    match.mutable_settings().PausePlayer = 0;
    match.mutable_settings().PauseVornmark = 0;
    flow.start_new_game();
  }
  CellPos unshot_ship_cell() const {
    for (const CellPos& cell : cells_where(match.my_sea(), true))
      if (match.his_shots().cell(cell.x, cell.y) == 0) return cell;
    return {-1, -1};
  }
  int hits_on_computers_fleet() const {
    int hits = 0;
    for (const Ship& ship : match.my_fleet()) hits += ship.hit_count();
    return hits;
  }
};

TEST_F(AdvancedLevelTest, HitsOfTheFirstFiveVolleysStandAndTheSixthMovesTheShip) {
  start_one_shot_game();
  for (int volley = 1; volley <= 5; ++volley) {
    ASSERT_EQ(match.counters().player_volley, volley);
    const CellPos target = unshot_ship_cell();
    press_grid(target.x, target.y);
    EXPECT_EQ(hits_on_computers_fleet(), volley);
  }
  ASSERT_EQ(match.counters().player_volley, 6);
  const CellPos target = unshot_ship_cell();
  ASSERT_NE(target.x, -1);
  const int id = match.my_sea().at(target.x, target.y);
  press_grid(target.x, target.y);
  EXPECT_EQ(hits_on_computers_fleet(), 5) << "the ship moved away: the sixth volley's shot misses";
  EXPECT_NE(match.my_sea().at(target.x, target.y), id);
  EXPECT_EQ(match.settings().PlayLevel, kAdvanced);
  // The moved ship still lies on "MY SEA" as its cells say, beside the others without overlap.
  EXPECT_EQ(cells_where(match.my_sea(), true).size(), 12u);
  for (const Ship& ship : match.my_fleet())
    for (int i = 0; i < ship.cell_count(); ++i)
      EXPECT_EQ(match.my_sea().at(ship.cells()[i].x, ship.cells()[i].y), ship.id());
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(AdvancedLevelTest, IntermediateLevelNeverMovesAShip) {
  start_one_shot_game();
  match.mutable_settings().PlayLevel = kIntermediate;
  for (int volley = 1; volley <= 8; ++volley) {
    const CellPos target = unshot_ship_cell();
    press_grid(target.x, target.y);
    EXPECT_EQ(hits_on_computers_fleet(), volley);
  }
}

}  // namespace
}  // namespace vornmark
