#pragma once
// Where the keyboard focus stands: a grid cell, a ship-panel cell or the status button.

namespace vornmark {

enum class FocusZone { Grid, Panels, Status };

struct FocusPlace {
  FocusZone zone = FocusZone::Grid;
  int column = 0;  // Grid
  int row = 0;     // Grid
  int ship = 0;    // Panels: fleet index 0 to 3
  int cell = 0;    // Panels: cell of the ship's panel

  friend bool operator==(const FocusPlace&, const FocusPlace&) = default;
};

}  // namespace vornmark
