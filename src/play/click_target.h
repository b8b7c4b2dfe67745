#pragma once
// What a mouse press landed on, as the layout classifies it.

namespace vornmark {

enum class ClickKind : int { Nothing = 0, GridCell = 1, ShipPanel = 2, StatusButton = 3 };

struct ClickTarget {
  ClickKind kind = ClickKind::Nothing;
  int column = 0;  // GridCell
  int row = 0;     // GridCell
  int ship = 0;    // ShipPanel: fleet index 0 to 3
  int cell = 0;    // ShipPanel: cell of the ship's panel, 0 first

  static ClickTarget nothing() { return {}; }
  static ClickTarget grid(int column, int row) { return {ClickKind::GridCell, column, row, 0, 0}; }
  static ClickTarget panel(int ship, int cell) { return {ClickKind::ShipPanel, 0, 0, ship, cell}; }
  static ClickTarget status() { return {ClickKind::StatusButton, 0, 0, 0, 0}; }
};

}  // namespace vornmark
