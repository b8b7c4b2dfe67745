#pragma once
// A fresh game with a recording platform and view, started with the generator at state 1.

#include <gtest/gtest.h>

#include <vector>

#include "model/cell_pos.h"
#include "play/play_flow.h"
#include "setup/match.h"
#include "setup/start_up.h"
#include "support/recording_platform.h"
#include "support/recording_view.h"

namespace vornmark::testing {

// Another program's game, to resume a saved game in: its own platform, match (started with the
// generator at state 1), view and flow.
struct AnotherProgram {
  AnotherProgram() {
    StartUpOptions options;
    options.command_line = "-D3";
    start_up(match, options);
  }
  RecordingPlatform platform;
  Match match{platform};
  RecordingView view;
  PlayFlow flow{match, view};
};

class PlayFixture : public ::testing::Test {
 protected:
  // Start-up without a settings file; the settings can be changed afterwards.
  void start(const char* switches = "-D3") {
    StartUpOptions options;
    options.command_line = switches;
    start_up(match, options);
  }

  void press_grid(int column, int row) { flow.on_left_press(ClickTarget::grid(column, row)); }
  void press_panel(int ship, int cell) { flow.on_left_press(ClickTarget::panel(ship, cell)); }
  void press_status() { flow.on_left_press(ClickTarget::status()); }
  void press_nothing() { flow.on_left_press(ClickTarget::nothing()); }

  // Cells of a ship board holding a ship, or water, in row order.
  std::vector<CellPos> cells_where(const Board& board, bool ship) const {
    std::vector<CellPos> found;
    for (int y = 0; y < board.height(); ++y)
      for (int x = 0; x < board.width(); ++x)
        if ((board.cell(x, y) != 0) == ship) found.push_back({x, y});
    return found;
  }
  int cells_holding(const Board& board, int value) const {
    int count = 0;
    for (int y = 0; y < board.height(); ++y)
      for (int x = 0; x < board.width(); ++x) count += board.cell(x, y) == value;
    return count;
  }
  int shots_on(const Board& board) const { return board.width() * board.height() - cells_holding(board, 0); }
  // Places the player's fleet by scattering it in Place mode.
  void scatter_player_fleet() {
    flow.enter_place_mode();
    press_status();
  }

  RecordingPlatform platform;
  Match match{platform};
  RecordingView view;
  PlayFlow flow{match, view};
};

}  // namespace vornmark::testing
