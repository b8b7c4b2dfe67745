// A change of the mode of play in the Options dialog while the player is placing the fleet:
// the new game it starts marks the player's ships unplaced, and Place mode goes on. What the
// player then does in Place mode must not leave copies of ships on "HIS REAL SHIPS" (on a
// small grid such copies leave no room for Scatter, which would then search for ever).

#include <gtest/gtest.h>

#include "play_fixture.h"
#include "presentation/dialogs.h"

namespace vornmark {
namespace {

using testing::PlayFixture;

class ModeChangeInPlaceModeTest : public PlayFixture {
 protected:
  void choose_mode(OptionsDialogState::Mode mode) {
    OptionsDialogState state = options_dialog_init(match);
    state.mode = mode;
    ASSERT_TRUE(options_dialog_ok(flow, state).close);
  }

  // Each ship of the player stands on the board whole where its cells say, or not at all.
  void expect_board_matches_fleet() {
    int placed_cells = 0;
    for (const Ship& ship : match.his_fleet()) {
      const int on_board = cells_holding(match.his_real_ships(), ship.id());
      if (!ship.is_placed()) {
        EXPECT_EQ(on_board, 0) << ship.display_name() << " is not placed";
        continue;
      }
      EXPECT_EQ(on_board, ship.cell_count()) << ship.display_name();
      for (int i = 0; i < ship.cell_count(); ++i)
        EXPECT_EQ(match.his_real_ships().at(ship.where(i)), ship.id()) << ship.display_name() << " cell " << i;
      placed_cells += ship.cell_count();
    }
    EXPECT_EQ(static_cast<int>(cells_where(match.his_real_ships(), true).size()), placed_cells);
  }
};

TEST_F(ModeChangeInPlaceModeTest, ScatterAndPlacingAfterAChangeToManualLeaveNoCopiesOfShips) {
  start();
  scatter_player_fleet();
  expect_board_matches_fleet();

  choose_mode(OptionsDialogState::Mode::Manual);
  ASSERT_EQ(match.play_state(), PlayState::Placing);
  expect_board_matches_fleet();

  press_status();  // Scatter
  expect_board_matches_fleet();
  EXPECT_EQ(cells_where(match.his_real_ships(), true).size(), 12u);

  press_panel(kBattleship, 0);
  press_grid(14, 14);
  expect_board_matches_fleet();
}

TEST_F(ModeChangeInPlaceModeTest, PlacingAfterAChangeToOffenseLeavesNoCopiesOfShips) {
  start();
  scatter_player_fleet();
  choose_mode(OptionsDialogState::Mode::Offense);
  ASSERT_EQ(match.play_state(), PlayState::Placing);
  expect_board_matches_fleet();

  press_panel(kDestroyer, 0);
  press_grid(0, 0);
  press_panel(kCorvette, 0);
  press_grid(14, 0);
  expect_board_matches_fleet();
}

}  // namespace
}  // namespace vornmark
