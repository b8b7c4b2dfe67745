#pragma once
// A view for tests: records what the play flow asks of the window.

#include <string>
#include <vector>

#include "play/view.h"

namespace vornmark::testing {

class RecordingView : public View {
 public:
  void beep() override { ++beeps; }
  void set_background(Colour colour) override { backgrounds.push_back(colour); }
  void set_title(std::string_view title) override { titles.emplace_back(title); }
  void show_error(std::string_view text) override { errors.emplace_back(text); }
  void invalidate_cell(int column, int row) override { cells.push_back({column, row}); }
  void invalidate_panel(int ship) override { panels.push_back(ship); }
  void invalidate_ship_cells(const Ship&) override { ++ship_cell_requests; }
  void invalidate_legend() override { ++legend_requests; }
  void invalidate_status() override { ++status_requests; }
  void invalidate_grid() override { ++grid_requests; }
  void redraw_all() override { ++redraws; }
  void play_sound(Sound sound) override { sounds.push_back(sound); }

  struct Cell {
    int column;
    int row;
    friend bool operator==(const Cell&, const Cell&) = default;
  };

  int beeps = 0;
  std::vector<Colour> backgrounds;
  std::vector<std::string> titles;
  std::vector<std::string> errors;
  std::vector<Cell> cells;
  std::vector<int> panels;
  int ship_cell_requests = 0;
  int legend_requests = 0;
  int status_requests = 0;
  int grid_requests = 0;
  int redraws = 0;
  std::vector<Sound> sounds;
};

}  // namespace vornmark::testing
