#pragma once
// The services of a run without a window: boxes go to standard error and are answered OK, the
// view's requests are dropped.

#include "play/view.h"
#include "report/platform.h"

namespace vornmark::sim {

class HeadlessPlatform : public Platform {
 public:
  // Prints "<caption>: <text>" and answers OK; counts the warning boxes (caption "Vornmark").
  BoxAnswer message_box(const MessageBoxRequest& request) override;
  void beep() override {}
  void set_busy_cursor(bool) override {}
  [[noreturn]] void exit_process(int code) override;

  int warnings() const { return warnings_; }

 private:
  int warnings_ = 0;
};

class HeadlessView : public View {
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

}  // namespace vornmark::sim
