#include "presentation/keyboard.h"

#include <gtest/gtest.h>

#include <vector>

#include "presentation/layout.h"
#include "setup/match.h"
#include "setup/start_up.h"
#include "support/recording_platform.h"

namespace vornmark {
namespace {

FocusPlace grid_place(int column, int row) { return {FocusZone::Grid, column, row, 0, 0}; }
FocusPlace panel_place(int ship, int cell, int column = 0, int row = 0) {
  return {FocusZone::Panels, column, row, ship, cell};
}

TEST(KeyboardFocusTest, KeysMoveTheFocusWithinItsZoneAndTabGoesRound) {
  using enum Key;
  struct Case {
    const char* what;
    std::vector<Key> keys;
    FocusPlace want;
  };
  const std::vector<Case> cases = {
      {"starts on the first cell", {}, grid_place(0, 0)},
      {"stops at the top left edges", {Left, Up, Left}, grid_place(0, 0)},
      {"steps right and down", {Right, Right, Down}, grid_place(2, 1)},
      {"End and Home go along the row", {Down, End}, grid_place(14, 1)},
      {"stops at the far edges", {End, Right, Down}, grid_place(14, 1)},
      {"Home after End", {Down, End, Home}, grid_place(0, 1)},
      {"Tab goes to the panels", {Tab}, panel_place(0, 0)},
      {"a panel ends at its last cell", {Tab, Right, Right, Right}, panel_place(0, 1)},
      {"Up and Down keep the cell where the next panel has it", {Tab, Down, Down, End, Down}, panel_place(3, 2)},
      {"the Battleship's fourth cell", {Tab, Down, Down, End}, panel_place(2, 3)},
      {"Up from the first panel stays", {Tab, Up}, panel_place(0, 0)},
      {"Tab twice is the status button, arrows stay there",
       {Tab, Tab, Left, Down, End},
       {FocusZone::Status, 0, 0, 0, 0}},
      {"Tab thrice comes back to the grid cell left", {Right, Down, Tab, Tab, Tab}, grid_place(1, 1)},
      {"Backtab from the grid is the status button", {Backtab}, {FocusZone::Status, 0, 0, 0, 0}},
      {"the panels keep their cell too", {Tab, Down, Right, Backtab, Tab}, panel_place(1, 1)},
      {"pressing keys do not move it", {Right, Space, Return, R, Ship1, Ship4}, grid_place(1, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    KeyboardFocus focus;
    for (Key key : c.keys) focus.move(key, 15);
    EXPECT_EQ(focus.place(15), c.want);
  }

  // A smaller grid pulls the focus in, and it moves on from there.
  KeyboardFocus focus;
  for (int i = 0; i < 14; ++i) {
    focus.move(Right, 15);
    focus.move(Down, 15);
  }
  EXPECT_EQ(focus.place(8), grid_place(7, 7));
  focus.move(Left, 8);
  EXPECT_EQ(focus.place(8), grid_place(6, 7));
  EXPECT_EQ(focus.place(15), grid_place(6, 7));

  // A mouse press takes the focus along; a press on nothing leaves it.
  focus.follow(ClickTarget::panel(2, 3));
  EXPECT_EQ(focus.place(15), panel_place(2, 3, 6, 7));
  focus.follow(ClickTarget::nothing());
  EXPECT_EQ(focus.place(15), panel_place(2, 3, 6, 7));

  EXPECT_EQ(key_named("Backtab"), Backtab);
  EXPECT_EQ(key_named("4"), Ship4);
  EXPECT_EQ(key_named("space"), std::nullopt);
  EXPECT_EQ(key_named("5"), std::nullopt);
}

TEST(KeyboardFocusTest, APressByKeyIsTheMousePressAtThePlacesCentre) {
  testing::RecordingPlatform platform;
  Match match{platform};
  start_up(match, StartUpOptions{"-D3", {}, "stats"});
  Layout layout;
  layout_window(layout, match, 1000, 700);
  const auto expect = [&](const FocusPlace& place, ClickKind kind, int a, int b) {
    const ClickTarget got = focus_target(layout, place);
    EXPECT_EQ(got.kind, kind);
    EXPECT_EQ(kind == ClickKind::GridCell ? got.column : got.ship, a);
    EXPECT_EQ(kind == ClickKind::GridCell ? got.row : got.cell, b);
  };
  expect(grid_place(14, 3), ClickKind::GridCell, 14, 3);
  expect(panel_place(2, 3), ClickKind::ShipPanel, 2, 3);
  expect(panel_place(3, 2), ClickKind::ShipPanel, 3, 2);
  expect({FocusZone::Status, 0, 0, 0, 0}, ClickKind::StatusButton, 0, 0);
  // A window too low for its panels classifies the press as the mouse's: Nothing.
  layout_window(layout, match, 1000, 10);
  expect(panel_place(1, 1), ClickKind::Nothing, 0, 0);
}

}  // namespace
}  // namespace vornmark
