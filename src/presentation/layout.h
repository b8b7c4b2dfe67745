#pragma once
// The pixel geometry of the main window, from the client size and the grid size, and the
// classification of a press into a grid cell, a ship-panel cell, the status button or nothing.
// The sizes are 16-bit values and the divisions integer divisions, as the window computes them.

#include <array>
#include <cstdint>
#include <vector>

#include "play/click_target.h"
#include "presentation/rect.h"

namespace vornmark {

class Match;
class Ship;

struct Layout {
  std::int16_t client_width = 0;
  std::int16_t client_height = 0;
  std::int16_t cell_width = 0;
  std::int16_t cell_height = 0;
  std::int16_t panel_cap = 0;
  std::int16_t row_height = 0;
  Rect board_rect;
  Rect status_rect;
  std::array<Rect, 6> panel_rects;
  int grid = 0;  // the grid size the layout was made for

  friend bool operator==(const Layout&, const Layout&) = default;
};

// Recomputes every field for a client of width x height.
void layout_window(Layout& layout, const Match& match, int width, int height);
// Recomputes board_rect and panel_rects from the current cell sizes (used by printing).
void layout_board_and_panels(Layout& layout, const Match& match);

int cell_x(const Layout& layout, double column);
int cell_y(const Layout& layout, double row);
int panel_cell_width(const Layout& layout);
int panel_left(const Layout& layout, int ship, int cell);
int panel_top(const Layout& layout, int ship, int cell);
int panel_right(const Layout& layout, int ship, int cell);
int panel_bottom(const Layout& layout, int ship, int cell);

Rect grid_cell_rect(const Layout& layout, int column, int row);
Rect column_label_rect(const Layout& layout, int column);
Rect row_label_rect(const Layout& layout, int row);
Rect panel_cell_rect(const Layout& layout, int ship, int cell);
// The legend's rectangle in a state (its top is 0 in Placing).
Rect legend_rect_for(const Layout& layout, bool placing);

// Classifies a packed mouse position: x in the low 16 bits, y in the high 16 bits.
ClickTarget classify_click(const Layout& layout, std::uint32_t packed_position);
inline std::uint32_t pack_position(int x, int y) {
  return (static_cast<std::uint32_t>(x) & 0xFFFFu) | ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16);
}

// The rectangles that the redraw requests mark.
Rect invalidate_cell(const Layout& layout, int column, int row);
Rect invalidate_panel(const Layout& layout, int ship);
// One rectangle per cell of the ship, in the ship's cell order, for the grid positions it covers.
std::vector<Rect> invalidate_ship_cells(const Layout& layout, const Ship& ship);

}  // namespace vornmark
