#pragma once
// Drawing the whole window from the match and the scene: labels, grid cells by colour with their
// volley letters, the ship panels, the status button and the legend. Painting changes nothing:
// it reads the match, the scene and the layout, and returns the rectangles it drew.

#include <optional>
#include <string>

#include "presentation/count_shading.h"
#include "presentation/rect.h"

namespace vornmark {

class Canvas;
class Match;
struct Layout;
struct Scene;

void paint_window(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas);
// One grid cell and one panel cell in their colours; each returns the rectangle it drew.
Rect paint_grid_cell(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas, int column, int row,
                     int value);
// The same with the counts the grid shows already looked up, as painting the whole grid does.
Rect paint_grid_cell(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas, int column, int row,
                     int value, const std::optional<CountsOnGrid>& counts);
Rect paint_panel_cell(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas, int ship, int cell,
                      int hit);

// The legend's rectangle in the match's present state.
Rect legend_rect(const Match& match, const Layout& layout);

// The letter code of a volley: bijective base 26, A for 1, Z for 26, AA for 27, up to three letters.
std::string volley_label(int volley);

}  // namespace vornmark
