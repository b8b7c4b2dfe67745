#pragma once
// The counting made visible on the grid: the unshot cells shaded light to dark by the number of
// consistent placements covering them, the cells of a ship with a single placement left marked
// as certain, and beside the ship panels a legend of the scale with each ship's placements. The
// hint shows the computer's fleet while the player aims and once the volley is resolved;
// Vornmark's view shows the opponent's cumulative tally of the player's fleet while its volley
// is shown.

#include <array>
#include <optional>

#include "presentation/canvas.h"
#include "presentation/colour_scheme.h"
#include "presentation/rect.h"
#include "setup/fleet.h"

namespace vornmark {

class Board;
class Match;
struct Layout;
struct Scene;

constexpr int kShadeLevels = 5;

// What the grid shows of a count in the present state, if anything.
struct CountsOnGrid {
  const Board* counts;   // placements covering each cell
  const Board* certain;  // non-zero on the cells of pinned ships; null when not marked
  int highest;           // the largest count on an unshot cell: the darkest shade
  std::array<int, kFleetSize> placements;
  const char* caption;
};
std::optional<CountsOnGrid> counts_on_grid(const Match& match, const Scene& scene);

// The shade of a count: 0 (none, the cell stays White) for no placement, else 1 to 5, the
// darkest for the highest count.
int shade_level(int count, int highest);
Rgb shade_colour(int level);

// The little square in a cell's corner that marks it certain.
Rect certain_mark(const Rect& cell);
// The legend of the scale and the ships' placements, between the Submarine's panel and the
// status button.
// In the schemes beside Classic, the swatches and text follow the scheme.
void paint_counts_legend(const CountsOnGrid& shown, const Scene& scene, const Layout& layout, Canvas& canvas,
                         SchemeId scheme = SchemeId::Classic);

}  // namespace vornmark
