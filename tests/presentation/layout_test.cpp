#include "presentation/layout.h"

#include <gtest/gtest.h>

#include "setup/match.h"
#include "setup/start_up.h"
#include "support/recording_platform.h"

namespace vornmark {
namespace {

using testing::RecordingPlatform;

void expect_target(const ClickTarget& got, const ClickTarget& want, int x, int y) {
  SCOPED_TRACE(::testing::Message() << "press at (" << x << ", " << y << ")");
  EXPECT_EQ(got.kind, want.kind);
  EXPECT_EQ(got.column, want.column);
  EXPECT_EQ(got.row, want.row);
  EXPECT_EQ(got.ship, want.ship);
  EXPECT_EQ(got.cell, want.cell);
}

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { start_up(match, StartUpOptions{"-D3", {}, "stats"}); }

  ClickTarget press(int x, int y) const { return classify_click(layout, pack_position(x, y)); }
  void expect_press(int x, int y, const ClickTarget& want) const { expect_target(press(x, y), want, x, y); }
  // Every position of a coarse sweep over the area, and the corners, classify as Nothing.
  void expect_nothing_anywhere(int width, int height) const {
    for (int x = 0; x <= width; x += 7)
      for (int y = 0; y <= height; y += 3) expect_press(x, y, ClickTarget::nothing());
  }

  RecordingPlatform platform;
  Match match{platform};
  Layout layout;
};

TEST_F(LayoutTest, WorkedExampleGivesEveryFigure) {
  layout_window(layout, match, 1000, 700);
  EXPECT_EQ(layout.client_width, 1000);
  EXPECT_EQ(layout.client_height, 700);
  EXPECT_EQ(layout.cell_width, 50);
  EXPECT_EQ(layout.cell_height, 43);
  EXPECT_EQ(layout.panel_cap, 66);
  EXPECT_EQ(layout.row_height, 63);
  EXPECT_EQ(panel_cell_width(layout), 50);
  EXPECT_EQ(layout.grid, 15);
  EXPECT_EQ(layout.board_rect, (Rect{250, 21, 1000, 666}));
  EXPECT_EQ(layout.status_rect, (Rect{50, 632, 150, 695}));
  EXPECT_EQ(legend_rect_for(layout, false), (Rect{0, 21, 250, 150}));
  EXPECT_EQ(legend_rect_for(layout, true), (Rect{0, 0, 250, 150}));
  EXPECT_EQ(layout.panel_rects[0], (Rect{0, 126, 100, 187}));
  EXPECT_EQ(layout.panel_rects[1], (Rect{0, 189, 150, 250}));
  EXPECT_EQ(layout.panel_rects[2], (Rect{0, 252, 200, 313}));
  EXPECT_EQ(layout.panel_rects[3], (Rect{0, 315, 50, 378}));
  EXPECT_EQ(layout.panel_rects[4], (Rect{50, 378, 100, 441}));
  EXPECT_EQ(layout.panel_rects[5], (Rect{100, 441, 150, 504}));
  EXPECT_EQ(column_label_rect(layout, 0), (Rect{250, -22, 300, 21}));
  EXPECT_EQ(row_label_rect(layout, 0), (Rect{200, 21, 250, 64}));
  EXPECT_EQ(grid_cell_rect(layout, 14, 14), (Rect{950, 623, 1000, 666}));
  EXPECT_EQ(legend_rect_for(layout, false), (Rect{0, 21, 250, 150}));
}

TEST_F(LayoutTest, CellEdgesTruncateTowardZeroAndHalveTheCellHeightFirst) {
  layout_window(layout, match, 1000, 700);
  EXPECT_EQ(cell_y(layout, -0.5), 0);   // -21.5 + 21
  EXPECT_EQ(cell_y(layout, -0.6), -4);  // -25.8 + 21 = -4.8, not -5
  EXPECT_EQ(cell_y(layout, -1), -22);
  EXPECT_EQ(cell_x(layout, -5.01), 0);   // -0.5, not -1
  EXPECT_EQ(cell_x(layout, 0.99), 299);  // 299.5
  EXPECT_EQ(cell_x(layout, -4), 50);
  EXPECT_EQ(panel_left(layout, 3, 2), 100);
  EXPECT_EQ(panel_top(layout, 3, 2), 441);
  EXPECT_EQ(panel_right(layout, 1, 2), 150);
  EXPECT_EQ(panel_bottom(layout, 1, 2), 250);
}

TEST_F(LayoutTest, PanelCellsNarrowToTheCapOnWideWindows) {
  match.mutable_settings().MaxCells = 4;
  layout_window(layout, match, 1800, 500);  // cells 200 wide, cap 120
  EXPECT_EQ(layout.grid, 4);
  EXPECT_EQ(panel_cell_width(layout), 120);
  EXPECT_EQ(layout.panel_rects[2], (Rect{0, 180, 480, 223}));
  EXPECT_EQ(layout.board_rect, (Rect{1000, 50, 1800, 450}));
  expect_press(479, 200, ClickTarget::panel(2, 3));
  expect_press(1000, 50, ClickTarget::grid(0, 0));
}

TEST_F(LayoutTest, ClassifiesTheExamplePresses) {
  layout_window(layout, match, 1000, 700);
  expect_press(260, 30, ClickTarget::grid(0, 0));
  expect_press(999, 665, ClickTarget::grid(14, 14));
  expect_press(120, 200, ClickTarget::panel(1, 2));
  expect_press(60, 400, ClickTarget::panel(3, 1));
  expect_press(100, 650, ClickTarget::status());
  expect_press(200, 100, ClickTarget::nothing());

  // Every panel cell, and the gaps between the panels.
  expect_press(0, 126, ClickTarget::panel(0, 0));
  expect_press(99, 186, ClickTarget::panel(0, 1));
  expect_press(50, 187, ClickTarget::nothing());
  expect_press(199, 312, ClickTarget::panel(2, 3));
  expect_press(0, 315, ClickTarget::panel(3, 0));
  expect_press(149, 503, ClickTarget::panel(3, 2));
  expect_press(50, 315, ClickTarget::nothing());  // beside the diagonal
  expect_press(0, 378, ClickTarget::nothing());
  // Inside the grid a press names the cell under it.
  expect_press(300, 64, ClickTarget::grid(1, 1));
  expect_press(749, 407, ClickTarget::grid(9, 8));
}

TEST_F(LayoutTest, RightAndBottomEdgesAreOutside) {
  layout_window(layout, match, 1000, 700);
  expect_press(250, 21, ClickTarget::grid(0, 0));
  expect_press(249, 21, ClickTarget::nothing());
  expect_press(250, 20, ClickTarget::nothing());
  expect_press(1000, 30, ClickTarget::nothing());
  expect_press(260, 666, ClickTarget::nothing());
  expect_press(100, 187, ClickTarget::nothing());  // right of the Corvette's last cell
  expect_press(50, 632, ClickTarget::status());
  expect_press(149, 694, ClickTarget::status());
  expect_press(150, 650, ClickTarget::nothing());
  expect_press(100, 695, ClickTarget::nothing());
}

TEST_F(LayoutTest, PositionsLeftOfOrAboveTheWindowWrapToNothing) {
  layout_window(layout, match, 1000, 700);
  expect_press(-1, 30, ClickTarget::nothing());    // x reads 65535
  expect_press(-740, 30, ClickTarget::nothing());  // x reads 64796
  expect_press(260, -1, ClickTarget::nothing());   // y reads 65535
  expect_press(-10, -10, ClickTarget::nothing());
  EXPECT_EQ(pack_position(-1, 30), 0x001EFFFFu);
}

TEST_F(LayoutTest, ClientSizesAreStoredAsSixteenBits) {
  Layout same;
  layout_window(same, match, 1000, 700);
  layout_window(layout, match, 65536 + 1000, 65536 * 3 + 700);
  EXPECT_EQ(layout, same);

  // A width past 32767 reads as negative: every size and rectangle follows, and nothing is hit.
  layout_window(layout, match, 40000, 700);
  EXPECT_EQ(layout.client_width, -25536);
  EXPECT_EQ(layout.cell_width, -1276);
  EXPECT_EQ(layout.panel_cap, -1702);
  EXPECT_TRUE(layout.board_rect.empty());
  for (const Rect& rect : layout.panel_rects) EXPECT_TRUE(rect.empty());
  expect_nothing_anywhere(1000, 700);
}

TEST_F(LayoutTest, ClientTooSmallForPanelsHitsNothing) {
  layout_window(layout, match, 1000, 10);
  EXPECT_EQ(layout.row_height, 0);
  EXPECT_EQ(layout.cell_height, 0);
  for (const Rect& rect : layout.panel_rects) EXPECT_TRUE(rect.empty());
  EXPECT_TRUE(layout.board_rect.empty());
  EXPECT_TRUE(layout.status_rect.empty());
  expect_nothing_anywhere(1000, 12);

  // Rows of two pixels leave no room for the horizontal panels under their gaps.
  layout_window(layout, match, 1000, 30);
  EXPECT_EQ(layout.row_height, 2);
  EXPECT_TRUE(layout.panel_rects[0].empty());
  expect_press(10, 4, ClickTarget::nothing());
  expect_press(10, 10, ClickTarget::panel(3, 0));
}

TEST_F(LayoutTest, EverythingIsZeroBeforeTheFirstLayout) {
  EXPECT_EQ(layout, Layout{});
  EXPECT_EQ(layout.cell_width, 0);
  EXPECT_EQ(layout.row_height, 0);
  EXPECT_TRUE(layout.board_rect.empty());
  EXPECT_TRUE(layout.status_rect.empty());
  for (const Rect& rect : layout.panel_rects) EXPECT_EQ(rect, Rect{});
  expect_nothing_anywhere(300, 300);
  expect_press(0, 0, ClickTarget::nothing());
}

TEST_F(LayoutTest, InvalidationMarksCellsPanelsAndShipCells) {
  layout_window(layout, match, 1000, 700);
  EXPECT_EQ(invalidate_cell(layout, 0, 0), (Rect{250, 21, 300, 64}));
  EXPECT_EQ(invalidate_cell(layout, 3, 2), (Rect{400, 107, 450, 150}));

  EXPECT_EQ(invalidate_panel(layout, 0), layout.panel_rects[0]);
  EXPECT_EQ(invalidate_panel(layout, 2), (Rect{0, 252, 200, 313}));
  // The Submarine's whole diagonal, not only its cells.
  EXPECT_EQ(invalidate_panel(layout, 3), (Rect{0, 315, 150, 504}));

  Ship& submarine = match.mutable_his_fleet()[kSubmarine];
  ASSERT_TRUE(submarine.move_to(2, 3));
  const std::vector<Rect> rects = invalidate_ship_cells(layout, submarine);
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0], (Rect{350, 150, 400, 193}));
  EXPECT_EQ(rects[1], (Rect{400, 193, 450, 236}));
  EXPECT_EQ(rects[2], (Rect{450, 236, 500, 279}));
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(LayoutTest, BoardAndPanelsFollowTheCurrentCellSizes) {
  layout_window(layout, match, 1000, 700);
  const Rect status = layout.status_rect;
  layout.cell_width = 48;
  layout.cell_height = 48;
  layout_board_and_panels(layout, match);
  EXPECT_EQ(layout.board_rect, (Rect{240, 24, 960, 744}));
  EXPECT_EQ(layout.panel_rects[1], (Rect{0, 189, 144, 250}));  // P = 48, rows of the screen's 63
  EXPECT_EQ(layout.status_rect, status);
  EXPECT_EQ(layout.panel_cap, 66);
  EXPECT_EQ(layout.row_height, 63);
}

}  // namespace
}  // namespace vornmark
