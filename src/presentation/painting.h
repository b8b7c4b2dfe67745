#pragma once
// Drawing the whole window from the game state: labels, grid cells by colour with their volley
// letters, the ship panels, the status button and the legend.

#include <string>

namespace vornmark {

class Canvas;
class Game;
struct Layout;

void paint_window(Game& game, Layout& layout, Canvas& canvas);
void paint_grid_cell(Game& game, Layout& layout, Canvas& canvas, int column, int row, int value);
void paint_panel_cell(Game& game, Layout& layout, Canvas& canvas, int ship, int cell, int hit);

// The letter code of a volley: bijective base 26, A for 1, Z for 26, AA for 27, up to three letters.
std::string volley_label(int volley);

}  // namespace vornmark
