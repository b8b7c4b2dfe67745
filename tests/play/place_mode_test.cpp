#include <gtest/gtest.h>

#include "play/fleet_status.h"
#include "play/state_texts.h"
#include "play_fixture.h"

namespace vornmark {
namespace {

using testing::PlayFixture;

class PlaceModeTest : public PlayFixture {
 protected:
  void select(int ship) { press_panel(ship, 0); }
  std::vector<CellPos> ship_cells(int index) const {
    const Ship& ship = match.his_fleet()[index];
    return std::vector<CellPos>(ship.cells().begin(), ship.cells().begin() + ship.cell_count());
  }
};

TEST_F(PlaceModeTest, EnteringClearsTheBoardAndSwitchesToAutomaticWithoutCountingAGame) {
  start();
  match.mutable_settings().AutomaticMode = 0;
  match.mutable_settings().DefenseMode = 1;
  match.mutable_his_real_ships().at(3, 3) = 2;
  flow.enter_place_mode();
  EXPECT_EQ(match.play_state(), PlayState::Placing);
  EXPECT_EQ(match.settings().AutomaticMode, 1);
  EXPECT_EQ(match.settings().DefenseMode, 0);
  EXPECT_EQ(match.his_real_ships().at(3, 3), 0);
  EXPECT_EQ(flow.scene().background_colour, Colour::Yellow);
  EXPECT_EQ(flow.scene().selected_ship, 0);
  EXPECT_EQ(match.game_counter(), 0);
  EXPECT_EQ(status_button(match)->text, std::string("Click here to Scatter"));
  EXPECT_EQ(legend_text(match).substr(0, 13), "Place ships.\n");
}

TEST_F(PlaceModeTest, PressesSelectPlaceAndTurnShips) {
  start();
  flow.enter_place_mode();
  select(kBattleship);
  EXPECT_EQ(flow.scene().selected_ship, kBattleship);
  press_grid(0, 0);
  EXPECT_EQ(ship_cells(kBattleship), (std::vector<CellPos>{{0, 0}, {0, 1}, {0, 2}, {0, 3}}));
  EXPECT_EQ(match.his_real_ships().at(0, 3), 3);

  // A press on a placed ship selects it instead of moving the selected one there.
  select(kCorvette);
  press_grid(0, 2);
  EXPECT_EQ(flow.scene().selected_ship, kBattleship);
  EXPECT_EQ(ship_cells(kCorvette)[0], Ship::kUnplaced);

  // A right press selects and turns: down becomes right.
  select(kCorvette);
  flow.on_right_press(ClickTarget::grid(0, 1));
  EXPECT_EQ(flow.scene().selected_ship, kBattleship);
  EXPECT_EQ(ship_cells(kBattleship), (std::vector<CellPos>{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
  EXPECT_EQ(match.his_real_ships().at(0, 1), 0);
  EXPECT_EQ(match.his_real_ships().at(3, 0), 3);

  // Near the bottom edge the ship turns until it fits: up from its anchor.
  select(kDestroyer);
  press_grid(5, 14);
  EXPECT_EQ(ship_cells(kDestroyer), (std::vector<CellPos>{{5, 14}, {6, 14}, {7, 14}}));
  // Moving a placed ship lifts it from its old cells.
  press_grid(9, 5);
  EXPECT_EQ(match.his_real_ships().at(5, 14), 0);
  EXPECT_EQ(match.his_real_ships().at(9, 7), 2);

  // Right presses on water and presses on nothing beep.
  flow.on_right_press(ClickTarget::grid(12, 12));
  press_nothing();
  EXPECT_EQ(view.beeps, 2);
}

TEST_F(PlaceModeTest, AShipThatFitsNowhereIsLeftUnplacedAndNewGameNamesIt) {
  start();
  flow.enter_place_mode();
  select(kCorvette);
  press_grid(8, 8);
  ASSERT_EQ(match.his_real_ships().at(8, 8), 1);
  select(kBattleship);
  press_grid(1, 0);  // column 1, rows 0 to 3
  select(kDestroyer);
  press_grid(0, 1);  // column 0, rows 1 to 3
  select(kSubmarine);
  press_grid(10, 0);
  // The corner cell (0, 0) is boxed in: down and right are taken, up and left leave the grid.
  select(kCorvette);
  press_grid(0, 0);
  EXPECT_FALSE(match.his_fleet()[kCorvette].is_placed());
  EXPECT_EQ(match.his_real_ships().at(8, 8), 0);
  EXPECT_EQ(match.his_real_ships().at(0, 0), 0);

  flow.start_new_game();
  ASSERT_EQ(view.errors.size(), 1u);
  EXPECT_EQ(view.errors[0], "Ship \"His Corvette\" not placed\nClick on 'File/Place'");
  EXPECT_EQ(match.play_state(), PlayState::Placing);

  select(kCorvette);
  press_grid(5, 5);
  flow.start_new_game();
  EXPECT_EQ(view.errors.size(), 1u);
  EXPECT_EQ(match.play_state(), PlayState::PlayerAiming);
  EXPECT_EQ(match.game_counter(), 1);
}

TEST_F(PlaceModeTest, ScatterLaysTheWholeFleetAndSelectsTheFirstShip) {
  start();
  flow.enter_place_mode();
  select(kSubmarine);
  press_grid(0, 0);
  press_status();
  EXPECT_EQ(flow.scene().selected_ship, 0);
  int occupied = 0;
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x) occupied += match.his_real_ships().at(x, y) != 0;
  EXPECT_EQ(occupied, 12);
  for (const Ship& ship : match.his_fleet()) {
    ASSERT_TRUE(ship.is_placed());
    for (int i = 0; i < ship.cell_count(); ++i)
      EXPECT_EQ(match.his_real_ships().at(ship.cells()[i].x, ship.cells()[i].y), ship.id());
  }
  EXPECT_EQ(view.grid_requests, 1);
}

}  // namespace
}  // namespace vornmark
