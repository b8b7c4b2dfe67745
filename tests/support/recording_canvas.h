#pragma once
// A canvas for tests that writes each call as one line of text, for comparison with goldens:
//   font 11                                    select_font
//   restore font                               restore_font
//   rect (500,50)-(600,150) White              rectangle
//   shade (500,50)-(600,150) #DEEBF7           shade
//   text "A" (500,50)-(600,150) single|vcenter|center on SpringGreen
//   fill (500,50)-(600,150) #DCEAF5 frame #2B3A48                  fill_rect
//   mark cross (500,50)-(600,150) #1A1A1A edge #FFFFFF             mark
//   text "A" (500,50)-(600,150) single|vcenter|center ink #FFFFFF on #0A4F9C   after set_ink
// A text line names the text background in force when it was drawn; setting the background
// writes no line of its own. Line ends inside a text are written as \n.

#include <string>
#include <string_view>
#include <vector>

#include "presentation/canvas.h"

namespace vornmark::testing {

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(int dots_per_inch = 96) : dots_per_inch_(dots_per_inch) {}

  int vertical_resolution() const override { return dots_per_inch_; }
  void select_font(int pixel_height) override;
  void restore_font() override;
  void set_text_background(Colour colour) override {
    text_background_ = colour;
    ink_.clear();
  }
  void rectangle(const Rect& rect, Colour colour) override;
  void shade(const Rect& rect, Rgb colour) override;
  void draw_text(std::string_view text, const Rect& rect, unsigned flags) override;
  void fill_rect(const Rect& rect, Rgb fill, Rgb frame) override;
  void set_ink(Rgb text, Rgb background) override;
  void mark(const Rect& rect, Mark mark, Rgb colour, Rgb edge) override;

  const std::vector<std::string>& lines() const { return lines_; }
  // Every line, each ended by a line end.
  std::string text() const;
  // The lines that begin with `prefix`, each ended by a line end.
  std::string lines_starting(std::string_view prefix) const;
  void clear() { lines_.clear(); }

 private:
  int dots_per_inch_;
  Colour text_background_ = Colour::White;
  std::string ink_;  // "ink #RRGGBB on #RRGGBB" while set_ink is in force
  std::vector<std::string> lines_;
};

// "#RRGGBB".
std::string describe(Rgb colour);
// "(left,top)-(right,bottom)", as the recording writes a rectangle.
std::string describe(const Rect& rect);
// "single|vcenter|center", as the recording writes text flags; "left" for none.
std::string describe_text_flags(unsigned flags);

}  // namespace vornmark::testing
