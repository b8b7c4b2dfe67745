#include "play/play_flow.h"

#include <gtest/gtest.h>

#include "play/fleet_status.h"
#include "play/state_texts.h"
#include "play_fixture.h"
#include "presentation/count_shading.h"

namespace vornmark {
namespace {

using testing::PlayFixture;

class PlayFlowTest : public PlayFixture {};

TEST_F(PlayFlowTest, IdleBeepsAtEveryPressAndRightPress) {
  start();
  press_grid(0, 0);
  press_panel(0, 0);
  press_status();
  press_nothing();
  flow.on_right_press(ClickTarget::grid(0, 0));
  flow.on_left_release();
  EXPECT_EQ(view.beeps, 5);
  EXPECT_EQ(match.play_state(), PlayState::Idle);
  EXPECT_EQ(legend_text(match), "");
  EXPECT_FALSE(status_button(match).has_value());
}

TEST_F(PlayFlowTest, FirstExchangeWithThreeShotsAndBothPauses) {
  start();
  match.mutable_settings().NumberOfShots = 3;
  scatter_player_fleet();
  flow.start_new_game();
  ASSERT_EQ(match.play_state(), PlayState::PlayerAiming);
  EXPECT_EQ(match.counters().player_volley, 1);
  EXPECT_EQ(legend_text(match), "Shots left:  3      ");
  EXPECT_EQ(flow.scene().background_colour, Colour::Teal);

  // One shot on a ship of the computer, two on water.
  const CellPos hit = cells_where(match.my_sea(), true).front();
  const std::vector<CellPos> water = cells_where(match.my_sea(), false);
  press_grid(hit.x, hit.y);
  press_grid(water[0].x, water[0].y);
  EXPECT_EQ(status_button(match)->text, std::string("Click on grid to fire shots"));
  press_status();  // incomplete: refused
  EXPECT_EQ(view.beeps, 1);
  press_grid(water[1].x, water[1].y);
  EXPECT_EQ(match.counters().next_shot, 4);
  EXPECT_EQ(legend_text(match), "Shots left:  0      ");
  EXPECT_EQ(status_button(match)->text, std::string("Click here to see what you hit"));
  press_grid(water[2].x, water[2].y);  // the volley is complete
  EXPECT_EQ(view.beeps, 2);
  EXPECT_EQ(shots_on(match.his_shots()), 3);

  press_status();
  EXPECT_EQ(match.play_state(), PlayState::PlayerVolleyShown);
  EXPECT_EQ(match.counters().player_shots_per_volley, 2);
  EXPECT_EQ(legend_text(match), "What you hit  ");
  const int id = match.my_sea().cell(hit.x, hit.y);
  EXPECT_EQ(match.my_fleet()[id - 1].hit_at(0), 1);

  press_status();  // Continue: the computer's volley 2, three shots (it has scored nothing yet)
  EXPECT_EQ(match.play_state(), PlayState::ComputerVolleyShown);
  EXPECT_EQ(match.counters().computer_volley, 2);
  EXPECT_EQ(cells_holding(match.my_shots(), 2), 3);
  EXPECT_EQ(view.titles.back(), "Vornmark A");
  EXPECT_EQ(flow.scene().background_colour, Colour::DarkGreen);
  EXPECT_EQ(legend_text(match), "This is where Vornmark has fired");

  press_status();  // Continue: the player's volley 2 with two shots
  EXPECT_EQ(match.play_state(), PlayState::PlayerAiming);
  EXPECT_EQ(match.counters().player_volley, 2);
  EXPECT_EQ(legend_text(match), "Shots left:  2      ");
}

TEST_F(PlayFlowTest, TheHintCountsResolvedVolleysOnlyAndIsRepaintedWhenCounted) {
  start();
  match.mutable_settings().NumberOfShots = 6;
  scatter_player_fleet();
  flow.start_new_game();
  const std::array<int, 4> fresh = flow.hint().placements();
  // Switched on after six aimed shots, it counts the grid without them, as if on from the start.
  const std::vector<CellPos> water = cells_where(match.my_sea(), false);
  for (int shot = 0; shot < 6; ++shot) press_grid(water[shot].x, water[shot].y);
  flow.show_hint(true);
  EXPECT_EQ(flow.hint().placements(), fresh);
  EXPECT_GT(flow.hint().placements_at(water[0].x, water[0].y), 0);

  // Resolved, the misses count, and the whole window is repainted with the new counts.
  const int redraws = view.redraws;
  press_status();
  EXPECT_EQ(view.redraws, redraws + 1);
  EXPECT_LT(flow.hint().placements()[0], fresh[0]);
  EXPECT_EQ(flow.hint().placements_at(water[0].x, water[0].y), 0);
  // Off, the resolution repaints only what it changed.
  flow.show_hint(false);
  press_status();
  press_status();
  for (int shot = 6; shot < 12; ++shot) press_grid(water[shot].x, water[shot].y);
  const int redraws_off = view.redraws;
  press_status();
  EXPECT_EQ(view.redraws, redraws_off);
}

TEST_F(PlayFlowTest, TheExpertNamesItselfAndShadesItsChancesWithTheViewOn) {
  start();
  match.mutable_settings().NumberOfShots = 3;
  match.mutable_settings().PlayLevel = kExpert;
  scatter_player_fleet();
  flow.start_new_game();
  for (const bool view_on : {false, true}) {
    flow.show_vornmark_view(view_on);
    for (const CellPos& water : cells_where(match.my_sea(), false))
      if (match.counters().next_shot <= 3 && match.his_shots().at(water.x, water.y) == 0) press_grid(water.x, water.y);
    press_status();
    platform.cursor_changes.clear();
    press_status();  // the computer's volley, chosen by the search
    ASSERT_EQ(match.play_state(), PlayState::ComputerVolleyShown);
    EXPECT_EQ(platform.cursor_changes, (std::vector<bool>{true, false}));
    EXPECT_EQ(cells_holding(match.my_shots(), match.counters().computer_volley), 3);
    if (!view_on) {
      EXPECT_EQ(view.titles.back(), "Vornmark A");
      EXPECT_EQ(flow.scene().vornmark_chances, nullptr);
      press_status();
      continue;
    }
    // The letter of the phase, then the level and the phase in words.
    EXPECT_EQ(view.titles.back().substr(10, 17), " (Expert, phase A") << view.titles.back();
    const std::optional<CountsOnGrid> shown = counts_on_grid(match, flow.scene());
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->counts, flow.scene().vornmark_chances);
    EXPECT_STREQ(shown->caption, "Vornmark's view: chance of a ship, %");
    // Per cent of the fleets drawn: every unshot cell some ship can cover has a share.
    EXPECT_GT(shown->highest, 0);
    EXPECT_LE(shown->highest, 100);
  }

  // Resumed, the view shows the chances of the volley shown again, drawn anew from what was
  // known before it (the fleets kept were another game's, or none), and the match draws nothing.
  const int grid = match.grid();
  const std::vector<std::int32_t> kept(flow.scene().vornmark_chances->data(),
                                       flow.scene().vornmark_chances->data() + grid * grid);
  testing::AnotherProgram another;
  PlayFlow& later = another.flow;
  for (PlayFlow* resumed_in : {&later, &flow}) {
    ASSERT_TRUE(resumed_in->resume(flow.saved_game()));
    EXPECT_EQ(resumed_in->match().random().state(), match.random().state());
  }
  for (const PlayFlow* resumed_in : {&later, &flow}) {
    const std::optional<CountsOnGrid> resumed = counts_on_grid(resumed_in->match(), resumed_in->scene());
    ASSERT_TRUE(resumed.has_value());
    ASSERT_NE(resumed_in->scene().vornmark_chances, nullptr);
    EXPECT_EQ(resumed->counts, resumed_in->scene().vornmark_chances);
  }
  const auto shares = [grid](const PlayFlow& shown_by) {
    const std::int32_t* cells = shown_by.scene().vornmark_chances->data();
    return std::vector<std::int32_t>(cells, cells + grid * grid);
  };
  EXPECT_EQ(shares(later), shares(flow)) << "the same, in a new program too";
  int differing = 0;
  for (int cell = 0; cell < grid * grid; ++cell) {
    const std::int32_t share = later.scene().vornmark_chances->cell(cell % grid, cell / grid);
    const std::int32_t was = kept[static_cast<std::size_t>(cell)];
    // Cells ruled out or certain stay so; the others are shares of other fleets drawn.
    if (was == 0 || was == 100) {
      EXPECT_EQ(share, was) << "cell " << cell;
    }
    differing += std::abs(share - was);
  }
  EXPECT_LT(differing, 5 * grid * grid) << "shares of the same evidence, five points apart on average at most";
}

TEST_F(PlayFlowTest, OneShotVolleysResolveAtTheShotAndTheComputerAnswersWithoutPauses) {
  start();
  match.mutable_settings().NumberOfShots = 1;
  match.mutable_settings().PausePlayer = 0;
  match.mutable_settings().PauseVornmark = 0;
  scatter_player_fleet();
  flow.start_new_game();
  const CellPos water = cells_where(match.my_sea(), false).front();
  press_grid(water.x, water.y);
  // Resolved, the computer fired volley 2, and the player aims again at volley 2.
  EXPECT_EQ(match.play_state(), PlayState::PlayerAiming);
  EXPECT_EQ(match.counters().player_volley, 2);
  EXPECT_EQ(match.counters().computer_volley, 2);
  EXPECT_EQ(cells_holding(match.my_shots(), 2), 1);
  EXPECT_EQ(match.his_shots().at(water.x, water.y), 1);
}

TEST_F(PlayFlowTest, TakingAShotBackMakesTheVolleyIncompleteAgain) {
  start();
  match.mutable_settings().NumberOfShots = 2;
  match.mutable_settings().AutomaticMode = 0;
  flow.start_new_game();
  press_grid(1, 1);
  press_grid(2, 2);
  EXPECT_EQ(status_button(match)->text, std::string("Click here to see what you hit"));
  const int status_before = view.status_requests;
  press_grid(2, 2);  // taken back
  EXPECT_EQ(match.his_shots().at(2, 2), 0);
  EXPECT_EQ(match.counters().next_shot, 2);
  EXPECT_EQ(view.status_requests, status_before + 1);
  EXPECT_EQ(status_button(match)->text, std::string("Click on grid to fire shots"));
  EXPECT_EQ(legend_text(match), "Shots left:  1      ");
  press_grid(1, 1);  // taken back too: the volley has no shot left
  EXPECT_EQ(match.counters().next_shot, 1);
  EXPECT_EQ(view.status_requests, status_before + 1);
  EXPECT_EQ(view.beeps, 0);
  EXPECT_EQ(view.cells.back(), (testing::RecordingView::Cell{1, 1}));
}

TEST_F(PlayFlowTest, ShotsOfEarlierVolleysAreRefused) {
  start();
  match.mutable_settings().NumberOfShots = 1;
  match.mutable_settings().AutomaticMode = 0;
  match.mutable_settings().PausePlayer = 0;
  match.mutable_settings().PauseVornmark = 0;
  flow.start_new_game();
  const CellPos water = cells_where(match.my_sea(), false).front();
  press_grid(water.x, water.y);
  ASSERT_EQ(match.counters().player_volley, 2);
  press_grid(water.x, water.y);
  EXPECT_EQ(view.beeps, 1);
  EXPECT_EQ(match.his_shots().at(water.x, water.y), 1);
  EXPECT_EQ(match.counters().next_shot, 1);
}

TEST_F(PlayFlowTest, HitsLowerThePlayersShotsButNeverBelowOne) {
  start();
  match.mutable_settings().NumberOfShots = 10;
  match.mutable_settings().AutomaticMode = 0;
  flow.start_new_game();
  const std::vector<CellPos> ships = cells_where(match.my_sea(), true);
  for (int i = 0; i < 3; ++i) press_grid(ships[i].x, ships[i].y);
  const std::vector<CellPos> water = cells_where(match.my_sea(), false);
  for (int i = 0; i < 7; ++i) press_grid(water[i].x, water[i].y);
  press_status();
  EXPECT_EQ(match.counters().player_shots_per_volley, 7);

  match.mutable_counters().player_shots_per_volley = 2;
  match.set_play_state(PlayState::PlayerAiming);
  match.mutable_counters().player_volley = 2;
  match.mutable_counters().next_shot = 1;
  press_grid(ships[3].x, ships[3].y);
  press_grid(ships[4].x, ships[4].y);
  press_status();
  EXPECT_EQ(match.counters().player_shots_per_volley, 1);
}

TEST_F(PlayFlowTest, ManualReportsAddAndRemoveHitsOfTheCurrentVolleyOnly) {
  start();
  match.mutable_settings().AutomaticMode = 0;
  match.set_who_starts(WhoStarts::Computer);
  flow.start_new_game();
  ASSERT_EQ(match.play_state(), PlayState::ComputerVolleyShown);
  EXPECT_EQ(match.counters().computer_volley, 1);
  EXPECT_EQ(cells_holding(match.my_shots(), 1), 10);
  EXPECT_TRUE(view.titles.empty()) << "the opening volley leaves the title alone";
  EXPECT_EQ(legend_text(match), "Click on what Vornmark has hit");

  press_panel(kBattleship, 3);  // any empty cell fills the first empty slot
  press_panel(kBattleship, 0);  // a hit of this volley: the last filled slot is emptied
  EXPECT_EQ(match.his_fleet()[kBattleship].hit_count(), 0);
  press_panel(kBattleship, 2);
  press_panel(kBattleship, 2);
  EXPECT_EQ(match.his_fleet()[kBattleship].hit_count(), 2);
  EXPECT_EQ(match.his_fleet()[kBattleship].hit_at(1), 1);
  EXPECT_EQ(view.beeps, 0);

  press_status();  // Continue: the player's volley 2
  EXPECT_EQ(match.counters().player_volley, 2);
  press_panel(kBattleship, 0);  // the player's panels show the computer's fleet now: highlight
  EXPECT_EQ(view.beeps, 1) << "no hit on that panel cell";

  // Back to a computer volley: an earlier volley's hit cannot be changed.
  match.set_play_state(PlayState::ComputerVolleyShown);
  match.mutable_counters().computer_volley = 2;
  press_panel(kBattleship, 0);
  EXPECT_EQ(view.beeps, 2);
  EXPECT_EQ(match.his_fleet()[kBattleship].hit_count(), 2);
  // Automatic mode takes no reports.
  match.mutable_settings().AutomaticMode = 1;
  press_panel(kCorvette, 0);
  EXPECT_EQ(view.beeps, 3);
  EXPECT_EQ(match.his_fleet()[kCorvette].hit_count(), 0);
}

TEST_F(PlayFlowTest, TheReportOfTheLastHitEndsTheGame) {
  start();
  match.mutable_settings().AutomaticMode = 0;
  match.set_who_starts(WhoStarts::Computer);
  flow.start_new_game();
  for (int ship = 0; ship < 4; ++ship)
    for (int cell = 0; cell < match.his_fleet()[ship].cell_count(); ++cell) press_panel(ship, cell);
  EXPECT_EQ(match.play_state(), PlayState::ComputerWon);
  EXPECT_EQ(legend_text(match), "You sleep with the fishes");
  EXPECT_EQ(status_button(match)->text, std::string("Click here to Show my ships"));
  press_grid(0, 0);  // any press reveals
  EXPECT_EQ(match.play_state(), PlayState::FleetRevealed);
  EXPECT_EQ(flow.scene().shown_board, ShownBoard::HisShots);
  EXPECT_EQ(legend_text(match), "");
  EXPECT_EQ(status_button(match)->text, std::string("Click here to Play again"));

  // Play again from the revealed fleet: the player opens with volley 1.
  const int counter = match.game_counter();
  press_nothing();
  EXPECT_EQ(match.play_state(), PlayState::PlayerAiming);
  EXPECT_EQ(match.counters().player_volley, 1);
  EXPECT_EQ(match.game_counter(), counter + 1);
  EXPECT_EQ(shots_on(match.my_shots()), 0);
}

TEST_F(PlayFlowTest, PlayAgainAfterThePlayerWonLetsTheComputerOpen) {
  start();
  match.mutable_settings().AutomaticMode = 0;
  match.mutable_settings().NumberOfShots = 10;
  flow.start_new_game();
  // Sink the computer's fleet: 12 ship cells over two volleys.
  const std::vector<CellPos> ships = cells_where(match.my_sea(), true);
  ASSERT_EQ(ships.size(), 12u);
  for (int i = 0; i < 10; ++i) press_grid(ships[i].x, ships[i].y);
  press_status();
  ASSERT_EQ(match.counters().player_shots_per_volley, 1);
  press_status();  // the computer's volley
  press_status();  // the player's volley 2, one shot
  press_grid(ships[10].x, ships[10].y);
  press_status();
  press_status();
  press_grid(ships[11].x, ships[11].y);
  ASSERT_EQ(match.play_state(), PlayState::PlayerWon);
  EXPECT_EQ(legend_text(match), "Congratulations, Captain");

  press_panel(0, 0);  // Play again
  EXPECT_EQ(match.play_state(), PlayState::ComputerVolleyShown);
  EXPECT_EQ(match.counters().computer_volley, 2);
  EXPECT_EQ(match.counters().player_volley, 0);
  EXPECT_EQ(cells_holding(match.my_shots(), 2), 10);
  press_status();
  EXPECT_EQ(match.counters().player_volley, 1);
}

TEST_F(PlayFlowTest, OffenseModeTheComputerNeverAnswers) {
  start();
  match.mutable_settings().DefenseMode = 1;
  match.mutable_settings().NumberOfShots = 2;
  match.mutable_settings().PausePlayer = 0;
  flow.start_new_game();  // no placement needed in Offense mode
  ASSERT_EQ(match.play_state(), PlayState::PlayerAiming);
  const std::vector<CellPos> water = cells_where(match.my_sea(), false);
  press_grid(water[0].x, water[0].y);
  press_grid(water[1].x, water[1].y);
  press_status();
  EXPECT_EQ(match.play_state(), PlayState::PlayerAiming);
  EXPECT_EQ(match.counters().player_volley, 2);
  EXPECT_EQ(shots_on(match.my_shots()), 0);

  match.mutable_settings().PausePlayer = 1;
  press_grid(water[2].x, water[2].y);
  press_grid(water[3].x, water[3].y);
  press_status();
  EXPECT_EQ(match.play_state(), PlayState::PlayerVolleyShown);
  press_status();
  EXPECT_EQ(match.counters().player_volley, 3);
  EXPECT_EQ(shots_on(match.my_shots()), 0);
}

TEST_F(PlayFlowTest, HighlightMarksTheVolleyThatMadeAHitUntilRelease) {
  start();
  match.mutable_settings().AutomaticMode = 0;
  match.mutable_settings().NumberOfShots = 2;
  flow.start_new_game();
  const CellPos hit = cells_where(match.my_sea(), true).front();
  const CellPos water = cells_where(match.my_sea(), false).front();
  press_grid(hit.x, hit.y);
  press_grid(water.x, water.y);
  press_status();
  press_status();
  press_status();
  ASSERT_EQ(match.play_state(), PlayState::PlayerAiming);
  const int ship = match.my_sea().cell(hit.x, hit.y) - 1;
  view.cells.clear();
  press_panel(ship, 0);
  EXPECT_EQ(flow.scene().highlight_volley, 1);
  EXPECT_EQ(view.cells.size(), 2u);
  view.cells.clear();
  flow.on_left_release();
  EXPECT_EQ(flow.scene().highlight_volley, 0);
  // Both shots of volley 1, row 0 first.
  ASSERT_EQ(view.cells.size(), 2u);
  EXPECT_TRUE(view.cells[0].row < view.cells[1].row ||
              (view.cells[0].row == view.cells[1].row && view.cells[0].column < view.cells[1].column));
  press_panel(ship, 1);  // no hit there
  EXPECT_EQ(view.beeps, 1);
}

TEST_F(PlayFlowTest, NewGameInAutomaticModeNeedsThePlayersFleetOnTheBoard) {
  start();
  flow.start_new_game();
  ASSERT_EQ(view.errors.size(), 1u);
  EXPECT_EQ(view.errors[0], "Ship \"His Corvette\" not placed\nClick on 'File/Place'");
  EXPECT_EQ(match.play_state(), PlayState::Idle);
  EXPECT_EQ(match.game_counter(), 0);

  scatter_player_fleet();
  flow.start_new_game();
  EXPECT_EQ(match.play_state(), PlayState::PlayerAiming);
  EXPECT_EQ(view.errors.size(), 1u);
  // The ships' own cells are unplaced by every new game, but the fleet still lies on the
  // board: New Game again is accepted.
  flow.start_new_game();
  EXPECT_EQ(view.errors.size(), 1u);
  EXPECT_EQ(match.game_counter(), 2);
}

TEST_F(PlayFlowTest, SimulationPlaysAWholeGameAndAgainWhenChosenAgain) {
  start();
  match.mutable_settings().PauseVornmark = 0;
  flow.run_simulation();
  EXPECT_EQ(match.play_state(), PlayState::ComputerWon);
  EXPECT_EQ(match.simulation_mode(), 1);
  EXPECT_EQ(fleet_cells_left(match.his_fleet()), 0);
  const int first_volleys = match.counters().computer_volley;
  EXPECT_GT(first_volleys, 2);
  EXPECT_EQ(match.game_counter(), 0) << "simulated games are not counted";

  flow.run_simulation();
  EXPECT_EQ(match.play_state(), PlayState::ComputerWon);
  EXPECT_GT(match.counters().computer_volley, 2);
  EXPECT_GT(shots_on(match.my_shots()), 0);

  // In Manual mode the simulation takes the hits itself.
  match.mutable_settings().AutomaticMode = 0;
  match.mutable_settings().PauseVornmark = 1;
  flow.run_simulation();
  EXPECT_EQ(match.play_state(), PlayState::ComputerWon);
  EXPECT_EQ(fleet_cells_left(match.his_fleet()), 0);

  // Continue after a simulation fires another computer volley until New Game.
  match.set_play_state(PlayState::ComputerVolleyShown);
  const int volley = match.counters().computer_volley;
  press_status();
  EXPECT_EQ(match.counters().computer_volley, volley + 1);
}

}  // namespace
}  // namespace vornmark
