#pragma once
// A fresh match and opponent for the opponent's tests: started without a settings file, the generator at
// state 1, the boards sized to the grid asked for, and helpers to lay out shots and read the
// trace.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/cell_pos.h"
#include "opponent/opponent.h"
#include "setup/match.h"
#include "setup/start_up.h"
#include "support/recording_platform.h"
#include "support/temp_dir.h"

namespace vornmark::testing {

class OpponentFixture : public ::testing::Test {
 protected:
  void start(int grid = 15, int level = kIntermediate, int shots = 10, int threshold = 10) {
    StartUpOptions options;
    options.command_line = "-D3";
    start_up(match, options);
    match.mutable_settings().MaxCells = grid;
    match.mutable_settings().PlayLevel = level;
    match.mutable_settings().NumberOfShots = shots;
    match.mutable_settings().AmbiguityThreshold = threshold;
    match.resize_boards_to_grid();
    opponent.resize(grid);
  }

  void open_trace() { ASSERT_TRUE(match.report().log().open((dir / "stats").string())); }
  std::string trace_text() {
    match.report().log().close();
    return read_text(dir / "stats");
  }

  // A new game with the player's fleet scattered on "HIS REAL SHIPS".
  void new_game_with_scattered_fleet() {
    match.new_game(Match::Counted::No);
    opponent.new_game();
    match.mutable_his_real_ships().clear();
    random_place_fleet(match.random(), match.grid(), match.mutable_his_fleet(), match.mutable_his_real_ships());
  }

  static void fill(Board& board, std::initializer_list<CellPos> cells, int value) {
    for (CellPos c : cells) board.cell(c.x, c.y) = value;
  }
  static int cells_holding(const Board& board, int value) {
    int count = 0;
    for (int y = 0; y < board.height(); ++y)
      for (int x = 0; x < board.width(); ++x) count += board.cell(x, y) == value;
    return count;
  }
  static std::vector<CellPos> cells_where(const Board& board, int value) {
    std::vector<CellPos> found;
    for (int y = 0; y < board.height(); ++y)
      for (int x = 0; x < board.width(); ++x)
        if (board.cell(x, y) == value) found.push_back({x, y});
    return found;
  }
  static int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
  }

  TempDir dir;
  RecordingPlatform platform;
  Match match{platform};
  Opponent opponent{match.report()};
};

}  // namespace vornmark::testing
