#include "presentation/layout.h"

#include <algorithm>

#include "model/ship.h"
#include "setup/match.h"

namespace vornmark {

namespace {

constexpr int kLeftStripCells = 5;  // legend, panels and button; its fifth column holds the row labels
constexpr int kPanelCountDivisor = 15;
constexpr int kRowCountDivisor = 11;
constexpr int kFirstPanelRow = 2;  // rows 2 to 4 hold ships 0 to 2
constexpr int kSubmarineRow = 5;   // rows 5 to 7 hold the submarine's diagonal
constexpr int kPanelGap = 2;       // pixels left free under each horizontal panel
constexpr int kStatusBottomGap = 5;

// The window keeps its sizes in 16-bit fields: a store wraps as such a store does.
std::int16_t narrow(int value) { return static_cast<std::int16_t>(value); }

}  // namespace

void layout_window(Layout& layout, const Match& match, int width, int height) {
  const int n = match.settings().MaxCells;
  layout.client_width = narrow(width);
  layout.client_height = narrow(height);
  layout.cell_width = narrow(layout.client_width / (n + kLeftStripCells));
  layout.cell_height = narrow(layout.client_height / (n + 1));
  layout.panel_cap = narrow(layout.client_width / kPanelCountDivisor);
  layout.row_height = narrow(layout.client_height / kRowCountDivisor);

  layout.status_rect.left = cell_x(layout, -4);
  layout.status_rect.right = cell_x(layout, -2);
  layout.status_rect.top = layout.client_height - layout.row_height - kStatusBottomGap;
  layout.status_rect.bottom = layout.status_rect.top + layout.row_height;

  layout_board_and_panels(layout, match);
}

void layout_board_and_panels(Layout& layout, const Match& match) {
  const int n = match.settings().MaxCells;
  layout.grid = n;
  layout.board_rect = {cell_x(layout, 0), cell_y(layout, 0), cell_x(layout, n), cell_y(layout, n)};
  for (int ship = kCorvette; ship <= kBattleship; ++ship) {
    const int last = match.my_fleet()[static_cast<std::size_t>(ship)].cell_count() - 1;
    layout.panel_rects[static_cast<std::size_t>(ship)] = {panel_left(layout, ship, 0), panel_top(layout, ship, 0),
                                                          panel_right(layout, ship, last),
                                                          panel_bottom(layout, ship, last)};
  }
  for (int cell = 0; cell < 3; ++cell)
    layout.panel_rects[static_cast<std::size_t>(kSubmarine + cell)] = panel_cell_rect(layout, kSubmarine, cell);
}

int cell_x(const Layout& layout, double column) {
  return static_cast<int>((column + kLeftStripCells) * layout.cell_width);
}

int cell_y(const Layout& layout, double row) {
  return static_cast<int>(row * layout.cell_height + layout.cell_height / 2);
}

int panel_cell_width(const Layout& layout) { return std::min(layout.cell_width, layout.panel_cap); }

int panel_left(const Layout& layout, int /*ship*/, int cell) { return cell * panel_cell_width(layout); }

int panel_top(const Layout& layout, int ship, int cell) {
  if (ship == kSubmarine) return (cell + kSubmarineRow) * layout.row_height;
  return (ship + kFirstPanelRow) * layout.row_height;
}

int panel_right(const Layout& layout, int /*ship*/, int cell) { return (cell + 1) * panel_cell_width(layout); }

int panel_bottom(const Layout& layout, int ship, int cell) {
  if (ship == kSubmarine) return (cell + kSubmarineRow + 1) * layout.row_height;
  return (ship + kFirstPanelRow + 1) * layout.row_height - kPanelGap;
}

Rect grid_cell_rect(const Layout& layout, int column, int row) {
  return {cell_x(layout, column), cell_y(layout, row), cell_x(layout, column + 1), cell_y(layout, row + 1)};
}

Rect column_label_rect(const Layout& layout, int column) {
  return {cell_x(layout, column), cell_y(layout, -1), cell_x(layout, column + 1), cell_y(layout, 0)};
}

Rect row_label_rect(const Layout& layout, int row) {
  return {cell_x(layout, -1), cell_y(layout, row), cell_x(layout, 0), cell_y(layout, row + 1)};
}

Rect panel_cell_rect(const Layout& layout, int ship, int cell) {
  return {panel_left(layout, ship, cell), panel_top(layout, ship, cell), panel_right(layout, ship, cell),
          panel_bottom(layout, ship, cell)};
}

Rect legend_rect_for(const Layout& layout, bool placing) {
  return {cell_x(layout, -kLeftStripCells), cell_y(layout, placing ? -0.5 : 0.0), cell_x(layout, 0), cell_y(layout, 3)};
}

ClickTarget classify_click(const Layout& layout, std::uint32_t packed_position) {
  const int x = static_cast<int>(packed_position & 0xFFFFu);
  const int y = static_cast<int>(packed_position >> 16);

  // A rectangle that holds a position is never empty, so its sizes are positive; the guards
  // only keep a hand-made layout from dividing by zero.
  if (layout.board_rect.contains(x, y)) {
    if (layout.cell_width <= 0 || layout.cell_height <= 0) return ClickTarget::nothing();
    return ClickTarget::grid(x / layout.cell_width - kLeftStripCells,
                             (y - layout.cell_height / 2) / layout.cell_height);
  }

  const int p = panel_cell_width(layout);
  for (const Rect& rect : layout.panel_rects) {
    if (!rect.contains(x, y)) continue;
    if (p <= 0 || layout.row_height <= 0) return ClickTarget::nothing();
    const int cx = x / p;
    const int cy = y / layout.row_height;
    if (cy >= kFirstPanelRow && cy <= kFirstPanelRow + 2) {
      if (cx >= 0 && cx <= cy) return ClickTarget::panel(cy - kFirstPanelRow, cx);
      continue;
    }
    if (cy >= kSubmarineRow && cy <= kSubmarineRow + 2 && cx == cy - kSubmarineRow)
      return ClickTarget::panel(kSubmarine, cx);
    return ClickTarget::nothing();
  }

  if (layout.status_rect.contains(x, y)) return ClickTarget::status();
  return ClickTarget::nothing();
}

Rect invalidate_cell(const Layout& layout, int column, int row) { return grid_cell_rect(layout, column, row); }

Rect invalidate_panel(const Layout& layout, int ship) {
  if (ship >= kCorvette && ship <= kBattleship) return layout.panel_rects[static_cast<std::size_t>(ship)];
  if (ship != kSubmarine) return {};
  // From the top-left corner of the first cell of the diagonal to the bottom-right of the last.
  const int p = panel_cell_width(layout);
  return {0, kSubmarineRow * layout.row_height, 3 * p, (kSubmarineRow + 3) * layout.row_height};
}

std::vector<Rect> invalidate_ship_cells(const Layout& layout, const Ship& ship) {
  std::vector<Rect> rects;
  rects.reserve(static_cast<std::size_t>(ship.cell_count()));
  for (int i = 0; i < ship.cell_count(); ++i) {
    const CellPos at = ship.where(i);
    rects.push_back(invalidate_cell(layout, at.x, at.y));
  }
  return rects;
}

}  // namespace vornmark
