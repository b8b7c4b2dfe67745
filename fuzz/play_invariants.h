#pragma once
// What must hold after every step of play, whatever the player pressed: the checks of the
// play-flow fuzz target, and a view that checks the redraw requests it receives.

#include <string>

#include "fuzz_support.h"
#include "play/view.h"

namespace vornmark {
class Match;
class PlayFlow;
}  // namespace vornmark

namespace vornmark::fuzz {

// Redraw requests must name cells inside the grid and one of the four panels.
class CheckingView : public View {
 public:
  explicit CheckingView(const Match& match) : match_(match) {}

  void beep() override { ++beeps; }
  void set_background(Colour colour) override;
  void set_title(std::string_view title) override { this->title = title; }
  void show_error(std::string_view text) override { errors.emplace_back(text); }
  void invalidate_cell(int column, int row) override;
  void invalidate_panel(int ship) override;
  void invalidate_ship_cells(const Ship& ship) override;
  void invalidate_legend() override {}
  void invalidate_status() override {}
  void invalidate_grid() override {}
  void redraw_all() override {}

  int beeps = 0;
  std::string title;
  std::vector<std::string> errors;

 private:
  const Match& match_;
};

class InvariantChecker {
 public:
  InvariantChecker(const PlayFlow& flow, OkPlatform& platform, const CheckingView& view);

  // Checks everything after a step; `step` names it in the message of a failed check. False
  // when a known fault was met: what follows it is not worth running.
  bool check(const char* step);
  // A game resumed from its file may have met the planner's "Couldn't place" in its earlier run.
  void planner_gave_up_before() { planner_gave_up_ = true; }

 private:
  void check_settings(const char* step) const;
  void check_counters(const char* step) const;
  void check_shot_board(const char* step) const;
  void check_computer_fleet(const char* step) const;
  void check_placed_fleet(const char* step);
  void check_boxes(const char* step);

  const PlayFlow& flow_;
  const Match& match_;
  OkPlatform& platform_;
  const CheckingView& view_;
  std::size_t boxes_seen_ = 0;
  bool planner_gave_up_ = false;
  bool known_fault_met_ = false;
};

}  // namespace vornmark::fuzz
