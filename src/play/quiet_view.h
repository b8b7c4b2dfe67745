#pragma once
// A view without a window: every request is dropped. Headless runs use it as it is; drivers
// override what they want to show.

#include "play/view.h"

namespace vornmark {

class QuietView : public View {
 public:
  void beep() override {}
  void set_background(Colour) override {}
  void set_title(std::string_view) override {}
  void show_error(std::string_view) override {}
  void invalidate_cell(int, int) override {}
  void invalidate_panel(int) override {}
  void invalidate_ship_cells(const Ship&) override {}
  void invalidate_legend() override {}
  void invalidate_status() override {}
  void invalidate_grid() override {}
  void redraw_all() override {}
};

}  // namespace vornmark
