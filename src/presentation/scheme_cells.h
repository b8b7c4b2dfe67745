#pragma once
// The cells of the schemes beside Classic: each state in its colour with its mark, the counts as
// shades (and, in high contrast, as squares that grow with the count), the pinned cells' diamond.

#include "presentation/colour_scheme.h"
#include "presentation/rect.h"

namespace vornmark {

class Canvas;

// Fills the cell, draws its mark (and the frame of the current volley when `current`), and leaves
// the ink of its letter in force.
void paint_scheme_cell(Canvas& canvas, const SchemePalette& palette, const Rect& cell, CellState state, bool current,
                       bool sunk = false);
// Open water shaded for a count's level (1 to 5).
void paint_scheme_shade(Canvas& canvas, const SchemePalette& palette, const Rect& cell, int level);
// Open water where the counts allow no ship: a small dot, so that it differs from the lightest
// shade by more than colour (high contrast draws no square there instead).
void paint_scheme_ruled_out(Canvas& canvas, const SchemePalette& palette, const Rect& cell);
// The diamond of a cell of a pinned ship.
void paint_scheme_pin(Canvas& canvas, const SchemePalette& palette, const Rect& cell);
// The square of a level inside a cell: a fifth of the side more for each level.
Rect level_square(const Rect& cell, int level);

}  // namespace vornmark
