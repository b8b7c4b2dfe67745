#pragma once
// The colour schemes beside the Classic colours: one safe for colour-blind eyes, one of high
// contrast. In both, nothing is told by colour alone: every state of a cell also carries a shape
// (a ring around a shot, a frame around the current volley, a hatch over the highlight, a hull on
// a ship, a cross on a hit, a diamond on a pinned cell). Classic keeps the nine colours of the
// table and draws no marks.

#include <array>

#include "presentation/canvas.h"

namespace vornmark {

class Match;

enum class SchemeId : int { Classic = 0, ColourBlindSafe = 1, HighContrast = 2 };
constexpr int kSchemeCount = 3;

// The scheme the settings choose; Classic for any value it does not name.
SchemeId scheme_of(const Match& match);
const char* scheme_name(SchemeId scheme);

// A colour, the ink of the text and marks drawn on it, and the box behind its letters (the fill
// itself, or a plain box where the fill is too bright for light text and too dark for dark text).
struct Swatch {
  Rgb fill;
  Rgb ink;
  Rgb box;
};

// What a grid or panel cell shows, beyond Classic's colours.
enum class CellState : int {
  Water,      // open water, not shot
  Shot,       // a shot of an earlier volley, or a miss
  Current,    // a shot of the volley shown now
  Highlight,  // a shot of the volley held highlighted
  Ship,       // a ship's cell, not hit
  Hit,        // a ship's cell that was hit
  Slot,       // a panel cell not hit yet
};
constexpr int kCellStateCount = 7;

struct SchemePalette {
  std::array<Swatch, kCellStateCount> cells;  // by CellState
  Rgb grid_line;                              // the frame of every cell
  Rgb current_frame;                          // the frame that marks the current volley
  std::array<Rgb, 5> shades;                  // the hint's and the view's counts, light to dark
  Rgb shade_square;                           // the square that tells the level by its size
  bool squares_tell_levels;                   // whether the levels are drawn as squares too
  Swatch pin;                                 // the diamond of a pinned cell: fill and outline
  // The window background of each of Classic's four backgrounds, with its text.
  Swatch background_player;    // Classic Teal
  Swatch background_computer;  // Classic DarkGreen
  Swatch background_place;     // Classic Yellow
  Swatch background_idle;      // Classic Grey
  // The status button: a prompt to act, the plain one, and the ones that ask for attention.
  Swatch button_go;       // Classic SpringGreen and LightCyan
  Swatch button_wait;     // Classic Grey and White
  Swatch button_resolve;  // Classic Red
  Swatch button_end;      // Classic Orange
  Swatch focus;           // the focus frame's outer and inner strips
};

// The palette of a scheme other than Classic (Classic gives the colour-blind one's, unused).
const SchemePalette& scheme_palette(SchemeId scheme);

// A Classic colour as the scheme shows it where it stands for a background or a button.
Swatch background_swatch(const SchemePalette& palette, Colour classic);
Swatch button_swatch(const SchemePalette& palette, Colour classic);
// The window background as the scheme shows it (Classic's own colour in Classic).
Rgb background_rgb(SchemeId scheme, Colour classic);

}  // namespace vornmark
