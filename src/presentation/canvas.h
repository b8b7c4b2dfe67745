#pragma once
// Where painting draws: a widget, a printer page, an image, or a recording for tests.

#include <cstdint>
#include <string_view>

#include "play/scene.h"
#include "presentation/rect.h"

namespace vornmark {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr int kColourCount = 9;

// The colour table: nine colours by their index.
Rgb colour_rgb(Colour colour);
const char* colour_name(Colour colour);

// Text placement, as the drawing operation takes it.
enum TextFlags : unsigned {
  kTextLeft = 0,
  kTextCenter = 1u << 0,
  kTextRight = 1u << 1,
  kTextVCenter = 1u << 2,
  kTextBottom = 1u << 3,
  kTextWordBreak = 1u << 4,
  kTextSingleLine = 1u << 5,
};

// The 8-point font's character height in pixels at a vertical resolution in dots per inch:
// 8 * dpi / 72, rounded half away from zero (96 dpi gives 11, 600 dpi gives 67).
int font_pixel_height(int dots_per_inch);

// The shapes that the schemes beside Classic draw beside colour, each inside the rectangle given.
enum class Mark : int {
  Ring,     // a circle around the cell's letter: a shot
  Frame,    // a thick border inside the cell: the current volley, a sunk ship's hits
  Hatch,    // diagonal lines: the highlighted volley
  Hull,     // a rounded outline inside the cell: a ship
  Cross,    // two diagonals: a hit
  Diamond,  // a filled diamond with an edge: a cell of a pinned ship
  Block,    // the rectangle filled: the size of a count
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Dots per inch along the vertical axis, for the 8-point font.
  virtual int vertical_resolution() const = 0;
  // Selects a font of the default face whose character height (the em height, without
  // internal leading) is `pixel_height` pixels. Painting passes font_pixel_height(dpi).
  virtual void select_font(int pixel_height) = 0;
  // Selects the font that was in use before select_font again.
  virtual void restore_font() = 0;
  // Background colour of the text drawn from now on: an opaque box of this colour behind the
  // glyphs (not the whole rectangle given to draw_text).
  virtual void set_text_background(Colour colour) = 0;
  // Fills the rectangle in the colour and frames it with a one-pixel black pen. The frame's
  // left and top lines lie on `left` and `top`, its right and bottom ones on right - 1 and
  // bottom - 1, so neighbouring cells share no pixels.
  virtual void rectangle(const Rect& rect, Colour colour) = 0;
  // The same in a colour outside the table: the shades of the counts shown on the grid.
  virtual void shade(const Rect& rect, Rgb colour) = 0;
  // Draws text in the rectangle, clipped to it, in black on the text background.
  // kTextSingleLine keeps the text on one line; only then do kTextVCenter and kTextBottom
  // place it vertically. kTextWordBreak wraps at blanks; "\n" always starts a new line unless
  // kTextSingleLine is given.
  virtual void draw_text(std::string_view text, const Rect& rect, unsigned flags) = 0;

  // For the schemes beside Classic, which draw in colours outside the table:
  // fills the rectangle and frames it with a one-pixel pen of the frame colour, as rectangle does;
  virtual void fill_rect(const Rect& rect, Rgb fill, Rgb frame) = 0;
  // the text drawn from now on: its colour and its background box (set_text_background goes back
  // to black text);
  virtual void set_ink(Rgb text, Rgb background) = 0;
  // draws a mark inside the rectangle in a colour; `edge` outlines the Diamond only.
  virtual void mark(const Rect& rect, Mark mark, Rgb colour, Rgb edge) = 0;
};

}  // namespace vornmark
