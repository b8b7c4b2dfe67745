#pragma once
// What a screen reader says for each place of the window, from what the window shows there: the
// grid cells of the shown board, the cells of the shown fleet's panels, the status button.

#include <string>

namespace vornmark {

class Match;
struct FocusPlace;
struct Scene;

// "row R, column C: your shot of volley B", "...: not shot", "...: your ship, hit by volley C".
std::string grid_cell_name(const Match& match, const Scene& scene, int column, int row);
// "Destroyer, cell 2, hit in volley A" (cells counted from 1), "Corvette, cell 1, not hit".
std::string panel_cell_name(const Match& match, const Scene& scene, int ship, int cell);
// The status button's text; empty while there is no button.
std::string status_button_name(const Match& match);
std::string focus_place_name(const Match& match, const Scene& scene, const FocusPlace& place);
// The focus place as the scripted driver prints it: "grid C R: NAME", "panel K J: NAME", "status: TEXT".
std::string describe_focus(const Match& match, const Scene& scene, const FocusPlace& place);

}  // namespace vornmark
