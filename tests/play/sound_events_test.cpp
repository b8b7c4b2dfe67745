// What the play flow gives the window to hear, in order: a shot as it is laid, then one sound a
// resolved volley, as the panels show its outcome, and nothing while the Simulation command plays.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "play/fleet_status.h"
#include "play/play_flow.h"
#include "setup/match.h"
#include "setup/start_up.h"
#include "support/recording_platform.h"
#include "support/recording_view.h"

namespace vornmark {

// Failures name the sounds.
void PrintTo(Sound sound, std::ostream* out) { *out << sound_name(sound); }

namespace {

using testing::RecordingPlatform;
using testing::RecordingView;

// A fresh game with the generator at state 1, in Manual mode unless a case says otherwise.
struct SoundGame {
  SoundGame() {
    StartUpOptions options;
    options.command_line = "-D3";
    start_up(match, options);
    match.mutable_settings().AutomaticMode = 0;
  }
  void press_grid(CellPos cell) { flow.on_left_press(ClickTarget::grid(cell.x, cell.y)); }
  void press_status() { flow.on_left_press(ClickTarget::status()); }
  CellPos cell_of(int ship, int slot) const { return match.my_fleet()[ship].cells()[slot]; }
  // Open water of the computer's sea, row by row.
  CellPos water(int n) const {
    for (int y = 0; y < match.grid(); ++y)
      for (int x = 0; x < match.grid(); ++x)
        if (match.my_sea().at(x, y) == 0 && n-- == 0) return {x, y};
    return {-1, -1};
  }
  // Every cell of a ship of the computer hit in an earlier volley.
  void damage_earlier(int ship, int cells) {
    for (int i = 0; i < cells; ++i) match.mutable_my_fleet()[ship].add_hit(1);
  }

  RecordingPlatform platform;
  Match match{platform};
  RecordingView view;
  PlayFlow flow{match, view};
};

using S = Sound;

TEST(SoundEvents, ShotsAndVolleysAreHeardInOrderOnePerVolley) {
  struct Case {
    const char* what;
    std::function<void(SoundGame&)> play;
    std::vector<Sound> heard;
  };
  const std::vector<Case> cases = {
      {"laid, taken back, laid again, refused past the volley's shots, then into water",
       [](SoundGame& g) {
         g.match.mutable_settings().NumberOfShots = 3;
         g.flow.start_new_game();
         for (int n : {0, 0, 0, 1, 2, 3}) g.press_grid(g.water(n));
         g.press_status();
       },
       {S::Shot, S::Shot, S::Shot, S::Shot, S::Splash}},
      {"three cells of two ships: two ships hit",
       [](SoundGame& g) {
         g.match.mutable_settings().NumberOfShots = 3;
         g.flow.start_new_game();
         for (CellPos cell : {g.cell_of(kBattleship, 0), g.cell_of(kBattleship, 1), g.cell_of(kSubmarine, 0)})
           g.press_grid(cell);
         g.press_status();
       },
       {S::Shot, S::Shot, S::Shot, S::Hit2}},
      {"a cell of every ship: four booms",
       [](SoundGame& g) {
         g.match.mutable_settings().NumberOfShots = 4;
         g.flow.start_new_game();
         for (int ship = 0; ship < kFleetSize; ++ship) g.press_grid(g.cell_of(ship, 0));
         g.press_status();
       },
       {S::Shot, S::Shot, S::Shot, S::Shot, S::Hit4}},
      {"the Corvette's two cells and another ship's: the sinking outweighs the hits",
       [](SoundGame& g) {
         g.match.mutable_settings().NumberOfShots = 3;
         g.flow.start_new_game();
         for (CellPos cell : {g.cell_of(kCorvette, 0), g.cell_of(kCorvette, 1), g.cell_of(kDestroyer, 0)})
           g.press_grid(cell);
         g.press_status();
       },
       {S::Shot, S::Shot, S::Shot, S::Sunk}},
      {"a one-shot volley on the last cell afloat: the win alone, no shot",
       [](SoundGame& g) {
         g.match.mutable_settings().NumberOfShots = 1;
         g.flow.start_new_game();
         for (int ship = 0; ship < kFleetSize; ++ship)
           g.damage_earlier(ship, g.match.my_fleet()[ship].cell_count() - (ship == kSubmarine ? 1 : 0));
         g.press_grid(g.cell_of(kSubmarine, 2));
       },
       {S::Won}},
      {"no pauses: the player's splash, then the computer's volley landing",
       [](SoundGame& g) {
         g.match.mutable_settings().NumberOfShots = 1;
         g.match.mutable_settings().PausePlayer = 0;
         g.match.mutable_settings().PauseVornmark = 0;
         g.flow.start_new_game();
         g.press_grid(g.water(0));
       },
       {S::Splash, S::Computer}},
      {"Manual mode: the computer opens, the reports sink three ships and then the fleet",
       [](SoundGame& g) {
         g.match.set_who_starts(WhoStarts::Computer);
         g.flow.start_new_game();
         g.flow.on_left_press(ClickTarget::panel(kCorvette, 0));
         g.flow.on_left_press(ClickTarget::panel(kCorvette, 0));  // taken back
         for (int ship = 0; ship < kFleetSize; ++ship)
           for (int cell = 0; cell < g.match.his_fleet()[ship].cell_count(); ++cell)
             g.flow.on_left_press(ClickTarget::panel(ship, cell));
       },
       {S::Computer, S::Sunk, S::Sunk, S::Sunk, S::Lost}},
      {"a Simulation game is silent; the next game is heard again",
       [](SoundGame& g) {
         g.match.mutable_settings().AutomaticMode = 1;
         g.flow.run_simulation();
         g.flow.start_new_game();
         g.press_grid(g.water(0));
       },
       {S::Shot}},
  };
  for (const Case& c : cases) {
    SoundGame game;
    c.play(game);
    EXPECT_EQ(game.view.sounds, c.heard) << c.what;
  }
}

// The computer's volleys in Automatic mode, one a press, until it has won: each is heard as the
// player's panels show it. The game after a Simulation game gives the computer a volley at every
// Continue.
TEST(SoundEvents, TheComputersVolleysAreHeardAsThePanelsShowThem) {
  SoundGame game;
  Match& match = game.match;
  match.mutable_settings().AutomaticMode = 1;
  match.mutable_settings().NumberOfShots = 1;
  match.mutable_settings().MaxCells = 10;
  match.resize_boards_to_grid();
  game.flow.run_simulation();
  game.press_status();  // the fleet revealed
  game.press_status();  // the next game
  game.press_grid(game.water(0));
  ASSERT_EQ(match.play_state(), PlayState::PlayerVolleyShown);
  ASSERT_EQ(game.view.sounds, std::vector<Sound>{S::Splash});
  std::vector<Sound> kinds;
  while (match.play_state() != PlayState::ComputerWon) {
    std::array<int, kFleetSize> hits_before{};
    for (int ship = 0; ship < kFleetSize; ++ship) hits_before[ship] = match.his_fleet()[ship].hit_count();
    game.view.sounds.clear();
    game.press_status();
    int hit = 0;
    int sunk = 0;
    for (int ship = 0; ship < kFleetSize; ++ship) {
      const Ship& panel = match.his_fleet()[ship];
      hit += panel.hit_count() > hits_before[ship];
      sunk += panel.hit_count() > hits_before[ship] && panel.cells_left() == 0;
    }
    const Sound expected = match.play_state() == PlayState::ComputerWon ? S::Lost
                           : sunk > 0                                   ? S::Sunk
                           : hit > 0                                    ? S::ComputerHit
                                                                        : S::Computer;
    ASSERT_EQ(game.view.sounds, std::vector<Sound>{expected}) << "volley " << match.counters().computer_volley;
    if (std::find(kinds.begin(), kinds.end(), expected) == kinds.end()) kinds.push_back(expected);
  }
  // The game went through every outcome.
  std::sort(kinds.begin(), kinds.end());
  EXPECT_EQ(kinds, (std::vector<Sound>{S::Sunk, S::Computer, S::ComputerHit, S::Lost}));
}

}  // namespace
}  // namespace vornmark
