#include "setup/start_up.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <set>
#include <string>
#include <vector>

#include "model/ship_on_board.h"
#include "setup/match.h"
#include "setup/settings_file.h"
#include "support/recording_platform.h"
#include "support/temp_dir.h"

namespace vornmark {
namespace {

using testing::ProcessExit;
using testing::RecordingPlatform;
using testing::TempDir;
using testing::write_text;

// The ships of a fleet lie on the board exactly where their cells say, without overlap.
void expect_fleet_on_board(const Fleet& fleet, const Board& board) {
  int occupied = 0;
  for (int y = 0; y < board.height(); ++y)
    for (int x = 0; x < board.width(); ++x) occupied += board.cell(x, y) != 0;
  int cells = 0;
  for (const Ship& ship : fleet) {
    ASSERT_TRUE(ship.is_placed());
    for (int i = 0; i < ship.cell_count(); ++i) {
      const CellPos c = ship.cells()[i];
      ASSERT_TRUE(board.in_bounds(c.x, c.y));
      EXPECT_EQ(board.cell(c.x, c.y), ship.id());
      ++cells;
    }
  }
  EXPECT_EQ(cells, 12);
  EXPECT_EQ(occupied, 12);
}

class StartUpTest : public ::testing::Test {
 protected:
  void start(const std::string& command_line) {
    StartUpOptions options;
    options.command_line = command_line;
    options.settings_dir = dir.path();
    options.trace_path = (dir / "stats").string();
    start_up(match, options);
  }

  TempDir dir;
  RecordingPlatform platform;
  Match match{platform};
};

TEST_F(StartUpTest, DescribesBothFleetsAndSizesEveryBoard) {
  write_text(dir / "VORNMARK.INI", "[Options]\nMaxCells=20\n");
  start("");
  EXPECT_EQ(match.grid(), 20);
  const char* names[] = {"Corvette", "Destroyer", "Battleship", "Submarine"};
  const int counts[] = {2, 3, 4, 3};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(std::string(match.my_fleet()[i].display_name()), std::string("My ") + names[i]);
    EXPECT_EQ(std::string(match.his_fleet()[i].display_name()), std::string("His ") + names[i]);
    EXPECT_EQ(match.my_fleet()[i].id(), i + 1);
    EXPECT_EQ(match.his_fleet()[i].cell_count(), counts[i]);
    EXPECT_FALSE(match.his_fleet()[i].is_placed());
  }
  EXPECT_EQ(match.his_fleet()[kSubmarine].shape()[2], (CellPos{2, 2}));
  for (const Board* board : {&match.his_real_ships(), &match.his_shots(), &match.my_shots(), &match.my_sea()}) {
    EXPECT_EQ(board->width(), 20);
    EXPECT_EQ(board->capacity(), 900u);
  }
  EXPECT_EQ(match.play_state(), PlayState::Idle);
  EXPECT_FALSE(match.report().log().is_open());
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(StartUpTest, D3KeepsTheGeneratorAtStateOneAndOtherwiseItIsSeeded) {
  start("-D3");
  EXPECT_EQ(match.random().state(), 1u);
  Match other(platform);
  StartUpOptions options;
  start_up(other, options);
  EXPECT_NE(other.random().state(), 1u);
}

TEST_F(StartUpTest, D1OpensTheTraceLog) {
  start("-D1 -D3");
  EXPECT_TRUE(match.report().log().is_open());
  EXPECT_TRUE(std::filesystem::exists(dir / "stats"));
}

TEST_F(StartUpTest, TraceLogThatCannotBeCreatedWarnsAndEndsWithZero) {
  StartUpOptions options;
  options.command_line = "-D1";
  options.trace_path = (dir / "missing-dir" / "stats").string();
  try {
    start_up(match, options);
    FAIL() << "start-up went on";
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.code, 0);
  }
  EXPECT_EQ(platform.texts("Vornmark"), (std::vector<std::string>{"Error opening stats\n"}));
  EXPECT_EQ(platform.boxes[0].owner, BoxOwner::None);
}

TEST_F(StartUpTest, NewGameResetsTheGameAndHidesTheComputersFleet) {
  start("-D3");
  match.mutable_his_real_ships().at(0, 0) = 2;
  match.mutable_his_fleet()[0].add_hit(4);
  match.mutable_his_fleet()[0].move_to(1, 1);
  match.mutable_my_shots().at(3, 3) = 5;
  match.mutable_counters().player_volley = 9;
  match.new_game(Match::Counted::Yes);
  EXPECT_EQ(match.game_counter(), 1);
  EXPECT_EQ(match.counters().player_volley, 1);
  EXPECT_EQ(match.counters().computer_volley, 1);
  EXPECT_EQ(match.counters().next_shot, 1);
  EXPECT_EQ(match.counters().player_shots_per_volley, 10);
  EXPECT_EQ(match.counters().computer_shots_per_volley, 10);
  EXPECT_EQ(match.my_shots().at(3, 3), 0);
  EXPECT_EQ(match.his_real_ships().at(0, 0), 2);
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(match.his_fleet()[i].is_placed());
    EXPECT_EQ(match.his_fleet()[i].hit_count(), 0);
    EXPECT_EQ(match.my_fleet()[i].hit_count(), 0);
  }
  expect_fleet_on_board(match.my_fleet(), match.my_sea());
}

TEST_F(StartUpTest, GameNumberSwitchesTurnD0OnAtTheirGame) {
  struct Case {
    const char* switches;
    int first_game_with_d0;  // 0: never
  };
  for (const Case& c : {Case{"-D3 -G2", 2}, Case{"-D3 -L3", 3}, Case{"-D3 -G4 -L2", 2}, Case{"-D3 -G0", 0}}) {
    Match match(platform);
    StartUpOptions options;
    options.command_line = c.switches;
    start_up(match, options);
    // Games that are not counted never reach a game number.
    match.new_game(Match::Counted::No);
    EXPECT_FALSE(match.switches().on(0)) << c.switches;
    int turned_on_at = 0;
    for (int game = 1; game <= 5 && turned_on_at == 0; ++game) {
      match.new_game(Match::Counted::Yes);
      EXPECT_EQ(match.game_counter(), game);
      if (match.switches().on(0)) turned_on_at = game;
    }
    EXPECT_EQ(turned_on_at, c.first_game_with_d0) << c.switches;
  }
}

TEST_F(StartUpTest, AFixedStateGivesAFixedFleet) {
  start("-D3");
  match.new_game(Match::Counted::Yes);
  std::vector<CellPos> first;
  for (const Ship& ship : match.my_fleet())
    first.insert(first.end(), ship.cells().begin(), ship.cells().begin() + ship.cell_count());

  Match again(platform);
  StartUpOptions options;
  options.command_line = "-D3";
  start_up(again, options);
  again.new_game(Match::Counted::Yes);
  std::vector<CellPos> second;
  for (const Ship& ship : again.my_fleet())
    second.insert(second.end(), ship.cells().begin(), ship.cells().begin() + ship.cell_count());
  EXPECT_EQ(first, second);
}

TEST_F(StartUpTest, PlacementDrawsAnchorThenTurnForEachShip) {
  start("-D3");
  // Replay the draws by hand for the Corvette: x, y, then the turn.
  Lcg replay;
  const int x = replay.draw() % 15;
  const int y = replay.draw() % 15;
  const bool turned = replay.draw() % 2 == 1;
  match.new_game(Match::Counted::Yes);
  const Ship& corvette = match.my_fleet()[kCorvette];
  // On an empty board the Corvette fits at its first anchor in its first or a later turn;
  // the anchor is always its first cell.
  EXPECT_EQ(corvette.cells()[0], (CellPos{x, y}));
  if (turned && x + 1 < 15) {
    EXPECT_EQ(corvette.cells()[1], (CellPos{x + 1, y}));
  }
  if (!turned && y + 1 < 15) {
    EXPECT_EQ(corvette.cells()[1], (CellPos{x, y + 1}));
  }
}

TEST_F(StartUpTest, PlacementAlwaysEndsWithoutOverlapOnEveryGridSize) {
  start("-D3");
  for (int grid = kMinGrid; grid <= kMaxGrid; ++grid) {
    match.mutable_settings().MaxCells = grid;
    match.mutable_my_sea().set_size(grid, grid);
    for (int seed = 0; seed < (grid <= 6 ? 400 : 40); ++seed) {
      match.random().seed(static_cast<std::uint32_t>(seed * 7919 + grid));
      match.mutable_my_sea().clear();
      random_place_fleet(match.random(), match.grid(), match.mutable_my_fleet(), match.mutable_my_sea());
      expect_fleet_on_board(match.my_fleet(), match.my_sea());
      if (::testing::Test::HasFailure()) return;
    }
  }
  EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace vornmark
