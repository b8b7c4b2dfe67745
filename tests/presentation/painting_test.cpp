#include "presentation/painting.h"

#include <gtest/gtest.h>

#include <string>

#include "model/ship_on_board.h"
#include "opponent/hint.h"
#include "presentation/canvas.h"
#include "presentation/layout.h"
#include "setup/match.h"
#include "setup/start_up.h"
#include "support/recording_canvas.h"
#include "support/recording_platform.h"
#include "support/temp_dir.h"

namespace vornmark {
namespace {

using testing::RecordingCanvas;
using testing::RecordingPlatform;
using testing::TempDir;

// A 4 x 4 grid in a 900 x 500 client: cells of 100 x 100 from (500, 50), panel cells 60 wide
// in rows of 45, the status button at (100, 450)-(300, 495), the legend from (0, 50) to (500, 350).
class PaintingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::write_text(dir / "VORNMARK.INI", "[Options]\nMaxCells=4\n");
    start_up(match, StartUpOptions{"-D3", dir.path(), (dir / "stats").string()});
    match.new_game(Match::Counted::Yes);
    layout_window(layout, match, 900, 500);
  }

  // The player's fleet as laid out in Place mode:
  //   . C D B      C Corvette, D Destroyer, B Battleship, S Submarine
  //   S C D B
  //   . S D B
  //   . . S B
  void place_player_fleet() {
    match.mutable_his_real_ships().clear();
    const int anchors[4][2] = {{1, 0}, {2, 0}, {3, 0}, {0, 1}};
    for (int ship = 0; ship < 4; ++ship) {
      Ship& placed = match.mutable_his_fleet()[static_cast<std::size_t>(ship)];
      ASSERT_TRUE(placed.move_to(anchors[ship][0], anchors[ship][1]));
      ASSERT_TRUE(place_ship(match.mutable_his_real_ships(), placed));
    }
  }

  void show(PlayState state, Colour background, ShownBoard board, ShownFleet fleet, CurrentVolley current) {
    match.set_play_state(state);
    scene.background_colour = background;
    scene.shown_board = board;
    scene.shown_fleet = fleet;
    scene.current_volley = current;
  }

  std::string paint() {
    canvas.clear();
    paint_window(match, scene, layout, canvas);
    return canvas.text();
  }

  // The lines of the last painting that mention the text.
  std::string lines_with(const std::string& part) const {
    std::string out;
    for (const std::string& line : canvas.lines())
      if (line.find(part) != std::string::npos) out += line + "\n";
    return out;
  }

  TempDir dir;
  RecordingPlatform platform;
  Match match{platform};
  Scene scene;
  Layout layout;
  RecordingCanvas canvas{96};
};

constexpr const char* kLabels =
    "text \"0\" (500,-50)-(600,50) single|bottom|center on {bg}\n"
    "text \"1\" (600,-50)-(700,50) single|bottom|center on {bg}\n"
    "text \"2\" (700,-50)-(800,50) single|bottom|center on {bg}\n"
    "text \"3\" (800,-50)-(900,50) single|bottom|center on {bg}\n"
    "text \"0\" (400,50)-(500,150) single|vcenter|right on {bg}\n"
    "text \"1\" (400,150)-(500,250) single|vcenter|right on {bg}\n"
    "text \"2\" (400,250)-(500,350) single|vcenter|right on {bg}\n"
    "text \"3\" (400,350)-(500,450) single|vcenter|right on {bg}\n";

std::string labels_on(const std::string& background) {
  std::string labels = kLabels;
  for (std::size_t at = labels.find("{bg}"); at != std::string::npos; at = labels.find("{bg}"))
    labels.replace(at, 4, background);
  return labels;
}

TEST_F(PaintingTest, IdleShowsOnlyAnEmptyLegend) {
  EXPECT_EQ(match.play_state(), PlayState::Idle);
  EXPECT_EQ(paint(),
            "font 11\n"
            "text \"\" (0,50)-(500,350) wordbreak on Grey\n"
            "restore font\n");
  EXPECT_EQ(legend_rect(match, layout), (Rect{0, 50, 500, 350}));
}

TEST_F(PaintingTest, PlacingShowsOccupiedCellsRedWithoutLettersAndTheSelectedPanelRed) {
  place_player_fleet();
  show(PlayState::Placing, Colour::Yellow, ShownBoard::HisRealShips, ShownFleet::His, CurrentVolley::None);
  scene.selected_ship = kDestroyer;
  EXPECT_EQ(paint(), "font 11\n" + labels_on("Yellow") +
                         "rect (500,50)-(600,150) White\n"
                         "rect (500,150)-(600,250) Red\n"
                         "rect (500,250)-(600,350) White\n"
                         "rect (500,350)-(600,450) White\n"
                         "rect (600,50)-(700,150) Red\n"
                         "rect (600,150)-(700,250) Red\n"
                         "rect (600,250)-(700,350) Red\n"
                         "rect (600,350)-(700,450) White\n"
                         "rect (700,50)-(800,150) Red\n"
                         "rect (700,150)-(800,250) Red\n"
                         "rect (700,250)-(800,350) Red\n"
                         "rect (700,350)-(800,450) Red\n"
                         "rect (800,50)-(900,150) Red\n"
                         "rect (800,150)-(900,250) Red\n"
                         "rect (800,250)-(900,350) Red\n"
                         "rect (800,350)-(900,450) Red\n"
                         "rect (0,90)-(60,133) White\n"
                         "rect (60,90)-(120,133) White\n"
                         "rect (0,135)-(60,178) Red\n"
                         "rect (60,135)-(120,178) Red\n"
                         "rect (120,135)-(180,178) Red\n"
                         "rect (0,180)-(60,223) White\n"
                         "rect (60,180)-(120,223) White\n"
                         "rect (120,180)-(180,223) White\n"
                         "rect (180,180)-(240,223) White\n"
                         "rect (0,225)-(60,270) White\n"
                         "rect (60,270)-(120,315) White\n"
                         "rect (120,315)-(180,360) White\n"
                         "rect (100,450)-(300,495) White\n"
                         "text \"Click here to Scatter\" (102,452)-(298,493) wordbreak|vcenter|center on White\n"
                         "text \"Place ships.\\n[1] Click on ship to select, then click on grid to place the ship\\n"
                         "[2] Right-mouse click to rotate\\n[3] Choose File/New Game to play\" (0,0)-(500,350) "
                         "wordbreak on Yellow\n"
                         "restore font\n");
  EXPECT_EQ(legend_rect(match, layout), (Rect{0, 0, 500, 350}));
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(PaintingTest, AutomaticVolleyShowsShipsRedAndTheCurrentVolleyGreenWithLetters) {
  place_player_fleet();
  show(PlayState::ComputerVolleyShown, Colour::DarkGreen, ShownBoard::MyShots, ShownFleet::His,
       CurrentVolley::Computer);
  match.mutable_counters().computer_volley = 2;
  match.mutable_my_shots().at(0, 0) = 1;
  match.mutable_my_shots().at(2, 1) = 1;
  match.mutable_my_shots().at(0, 3) = 2;
  match.mutable_my_shots().at(3, 3) = 2;
  match.mutable_his_fleet()[kDestroyer].add_hit(1);
  match.mutable_his_fleet()[kBattleship].add_hit(2);
  EXPECT_EQ(paint(), "font 11\n" + labels_on("DarkGreen") +
                         "rect (500,50)-(600,150) White\n"
                         "text \"A\" (500,50)-(600,150) single|vcenter|center on White\n"
                         "rect (500,150)-(600,250) Red\n"
                         "rect (500,250)-(600,350) White\n"
                         "rect (500,350)-(600,450) SpringGreen\n"
                         "text \"B\" (500,350)-(600,450) single|vcenter|center on SpringGreen\n"
                         "rect (600,50)-(700,150) Red\n"
                         "rect (600,150)-(700,250) Red\n"
                         "rect (600,250)-(700,350) Red\n"
                         "rect (600,350)-(700,450) White\n"
                         "rect (700,50)-(800,150) Red\n"
                         "rect (700,150)-(800,250) Red\n"
                         "text \"A\" (700,150)-(800,250) single|vcenter|center on Red\n"
                         "rect (700,250)-(800,350) Red\n"
                         "rect (700,350)-(800,450) Red\n"
                         "rect (800,50)-(900,150) Red\n"
                         "rect (800,150)-(900,250) Red\n"
                         "rect (800,250)-(900,350) Red\n"
                         "rect (800,350)-(900,450) Red\n"
                         "text \"B\" (800,350)-(900,450) single|vcenter|center on Red\n"
                         "rect (0,90)-(60,133) White\n"
                         "rect (60,90)-(120,133) White\n"
                         "rect (0,135)-(60,178) Grey\n"
                         "text \"A\" (0,135)-(60,178) single|vcenter|center on Grey\n"
                         "rect (60,135)-(120,178) White\n"
                         "rect (120,135)-(180,178) White\n"
                         "rect (0,180)-(60,223) SpringGreen\n"
                         "text \"B\" (0,180)-(60,223) single|vcenter|center on SpringGreen\n"
                         "rect (60,180)-(120,223) White\n"
                         "rect (120,180)-(180,223) White\n"
                         "rect (180,180)-(240,223) White\n"
                         "rect (0,225)-(60,270) White\n"
                         "rect (60,270)-(120,315) White\n"
                         "rect (120,315)-(180,360) White\n"
                         "rect (100,450)-(300,495) SpringGreen\n"
                         "text \"Click here to Continue\" (102,452)-(298,493) wordbreak|vcenter|center on SpringGreen\n"
                         "text \"This is where Vornmark has fired\" (0,50)-(500,350) wordbreak on DarkGreen\n"
                         "restore font\n");

  // In Manual mode the same volley shows only the shots: ship cells are not known to the window.
  match.mutable_settings().AutomaticMode = 0;
  paint();
  EXPECT_EQ(lines_with("(500,150)-(600,250)"), "rect (500,150)-(600,250) White\n");
  EXPECT_EQ(lines_with("(800,350)-(900,450)"),
            "rect (800,350)-(900,450) SpringGreen\n"
            "text \"B\" (800,350)-(900,450) single|vcenter|center on SpringGreen\n");
  EXPECT_EQ(lines_with("(500,50)-(600,150)"),
            "rect (500,50)-(600,150) Grey\n"
            "text \"A\" (500,50)-(600,150) single|vcenter|center on Grey\n");
  EXPECT_EQ(lines_with("Vornmark has"),
            "text \"Click on what Vornmark has hit\" (0,50)-(500,350) wordbreak on DarkGreen\n");
}

TEST_F(PaintingTest, AimingShowsEarlierVolleysGreyTheCurrentCyanAndTheHighlightYellow) {
  show(PlayState::PlayerAiming, Colour::Teal, ShownBoard::HisShots, ShownFleet::Mine, CurrentVolley::Player);
  match.mutable_counters().player_volley = 3;
  match.mutable_counters().next_shot = 2;
  scene.highlight_volley = 1;
  match.mutable_his_shots().at(0, 0) = 1;
  match.mutable_his_shots().at(1, 1) = 2;
  match.mutable_his_shots().at(2, 2) = 3;
  match.mutable_his_shots().at(3, 0) = 3;
  match.mutable_my_fleet()[kCorvette].add_hit(3);
  match.mutable_my_fleet()[kBattleship].add_hit(2);
  EXPECT_EQ(paint(), "font 11\n" + labels_on("Teal") +
                         "rect (500,50)-(600,150) Yellow\n"
                         "text \"A\" (500,50)-(600,150) single|vcenter|center on Yellow\n"
                         "rect (500,150)-(600,250) White\n"
                         "rect (500,250)-(600,350) White\n"
                         "rect (500,350)-(600,450) White\n"
                         "rect (600,50)-(700,150) White\n"
                         "rect (600,150)-(700,250) Grey\n"
                         "text \"B\" (600,150)-(700,250) single|vcenter|center on Grey\n"
                         "rect (600,250)-(700,350) White\n"
                         "rect (600,350)-(700,450) White\n"
                         "rect (700,50)-(800,150) White\n"
                         "rect (700,150)-(800,250) White\n"
                         "rect (700,250)-(800,350) LightCyan\n"
                         "text \"C\" (700,250)-(800,350) single|vcenter|center on LightCyan\n"
                         "rect (700,350)-(800,450) White\n"
                         "rect (800,50)-(900,150) LightCyan\n"
                         "text \"C\" (800,50)-(900,150) single|vcenter|center on LightCyan\n"
                         "rect (800,150)-(900,250) White\n"
                         "rect (800,250)-(900,350) White\n"
                         "rect (800,350)-(900,450) White\n"
                         "rect (0,90)-(60,133) LightCyan\n"
                         "text \"C\" (0,90)-(60,133) single|vcenter|center on LightCyan\n"
                         "rect (60,90)-(120,133) White\n"
                         "rect (0,135)-(60,178) White\n"
                         "rect (60,135)-(120,178) White\n"
                         "rect (120,135)-(180,178) White\n"
                         "rect (0,180)-(60,223) Grey\n"
                         "text \"B\" (0,180)-(60,223) single|vcenter|center on Grey\n"
                         "rect (60,180)-(120,223) White\n"
                         "rect (120,180)-(180,223) White\n"
                         "rect (180,180)-(240,223) White\n"
                         "rect (0,225)-(60,270) White\n"
                         "rect (60,270)-(120,315) White\n"
                         "rect (120,315)-(180,360) White\n"
                         "rect (100,450)-(300,495) Grey\n"
                         "text \"Click on grid to fire shots\" (102,452)-(298,493) wordbreak|vcenter|center on Grey\n"
                         "text \"Shots left:  9      \" (0,50)-(500,350) wordbreak on Teal\n"
                         "restore font\n");
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(PaintingTest, ShotsLeftCountsDownToZeroAndTheButtonTurnsRed) {
  show(PlayState::PlayerAiming, Colour::Teal, ShownBoard::HisShots, ShownFleet::Mine, CurrentVolley::Player);
  match.mutable_counters().player_shots_per_volley = 10;
  match.mutable_counters().next_shot = 1;
  paint();
  EXPECT_EQ(lines_with("(0,50)-(500,350)"), "text \"Shots left: 10      \" (0,50)-(500,350) wordbreak on Teal\n");
  EXPECT_EQ(lines_with("(102,452)-(298,493)"),
            "text \"Click on grid to fire shots\" (102,452)-(298,493) wordbreak|vcenter|center on Grey\n");

  match.mutable_counters().next_shot = 11;  // after the tenth shot
  paint();
  EXPECT_EQ(lines_with("(0,50)-(500,350)"), "text \"Shots left:  0      \" (0,50)-(500,350) wordbreak on Teal\n");
  EXPECT_EQ(lines_with("(100,450)-(300,495)"), "rect (100,450)-(300,495) Red\n");
  EXPECT_EQ(lines_with("(102,452)-(298,493)"),
            "text \"Click here to see what you hit\" (102,452)-(298,493) wordbreak|vcenter|center on Red\n");
}

TEST_F(PaintingTest, LabelsNeedABackgroundOtherThanGrey) {
  show(PlayState::PlayerAiming, Colour::Grey, ShownBoard::HisShots, ShownFleet::Mine, CurrentVolley::Player);
  paint();
  EXPECT_EQ(lines_with("single|bottom|center"), "");
  EXPECT_EQ(lines_with("single|vcenter|right"), "");
  EXPECT_EQ(canvas.lines().size(), 2u + 16u + 12u + 2u + 1u);  // font, cells, panels, button, legend

  scene.background_colour = Colour::Teal;
  paint();
  EXPECT_EQ(lines_with("single|bottom|center") + lines_with("single|vcenter|right"), labels_on("Teal"));
}

TEST_F(PaintingTest, EndStatesShowTheirButtonLegendAndCurrentVolleyColours) {
  struct Case {
    PlayState state;
    ShownBoard board;
    ShownFleet fleet;
    CurrentVolley current;
    const char* button;
    const char* legend;
    const char* cell_colour;
    const char* panel_colour;
  };
  const Case cases[] = {
      {PlayState::ComputerWon, ShownBoard::MyShots, ShownFleet::His, CurrentVolley::Computer,
       "Click here to Show my ships", "You sleep with the fishes", "SpringGreen", "SpringGreen"},
      {PlayState::PlayerWon, ShownBoard::HisShots, ShownFleet::Mine, CurrentVolley::Player, "Click here to Play again",
       "Congratulations, Captain", "LightCyan", "LightCyan"},
      {PlayState::FleetRevealed, ShownBoard::HisShots, ShownFleet::Mine, CurrentVolley::Player,
       "Click here to Play again", "", "SpringGreen", "LightCyan"},
  };
  match.mutable_my_sea().clear();  // no computer ship under the cells looked at
  match.mutable_settings().AutomaticMode = 1;
  match.mutable_counters().player_volley = 4;
  match.mutable_counters().computer_volley = 4;
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.state));
    show(c.state, Colour::Teal, c.board, c.fleet, c.current);
    paint();
    EXPECT_EQ(lines_with("(100,450)-(300,495)"), "rect (100,450)-(300,495) Orange\n");
    EXPECT_EQ(lines_with("(102,452)-(298,493)"),
              std::string("text \"") + c.button + "\" (102,452)-(298,493) wordbreak|vcenter|center on Orange\n");
    EXPECT_EQ(lines_with("(0,50)-(500,350)"),
              std::string("text \"") + c.legend + "\" (0,50)-(500,350) wordbreak on Teal\n");

    canvas.clear();
    paint_grid_cell(match, scene, layout, canvas, 1, 2, 4);
    paint_grid_cell(match, scene, layout, canvas, 2, 2, 3);
    paint_panel_cell(match, scene, layout, canvas, kDestroyer, 1, 4);
    const Rect drawn = paint_panel_cell(match, scene, layout, canvas, kDestroyer, 2, 3);
    EXPECT_EQ(canvas.text(), std::string("rect (600,250)-(700,350) ") + c.cell_colour +
                                 "\nrect (700,250)-(800,350) Grey\n"
                                 "rect (60,135)-(120,178) " +
                                 c.panel_colour + "\nrect (120,135)-(180,178) Grey\n");
    EXPECT_EQ(drawn, (Rect{120, 135, 180, 178}));
  }
}

TEST_F(PaintingTest, ComputerShipsShowOrangeWhenRevealedOrWithTheDiagnosticSwitch) {
  const auto lay_out = [&](const char* switches) {
    start_up(match, StartUpOptions{switches, dir.path(), (dir / "stats").string()});
    match.mutable_my_sea().at(0, 0) = 1;
    match.mutable_my_sea().at(1, 0) = 1;
    match.mutable_counters().player_volley = 3;
  };
  lay_out("-D3");
  scene.highlight_volley = 1;
  const auto paint_first_row = [&] {
    canvas.clear();
    paint_grid_cell(match, scene, layout, canvas, 0, 0, 1);  // a shot on a computer ship
    paint_grid_cell(match, scene, layout, canvas, 1, 0, 0);  // a computer ship not shot
    paint_grid_cell(match, scene, layout, canvas, 2, 0, 3);  // the current volley in open water
    return canvas.text();
  };

  show(PlayState::FleetRevealed, Colour::Teal, ShownBoard::HisShots, ShownFleet::Mine, CurrentVolley::Player);
  EXPECT_EQ(paint_first_row(),
            "rect (500,50)-(600,150) Orange\n"
            "rect (600,50)-(700,150) Orange\n"
            "rect (700,50)-(800,150) SpringGreen\n");
  match.mutable_his_shots().at(0, 0) = 1;
  paint();
  EXPECT_EQ(lines_with("(500,50)-(600,150)"),
            "rect (500,50)-(600,150) Orange\n"
            "text \"A\" (500,50)-(600,150) single|vcenter|center on Orange\n");

  // Aiming hides them unless D2 is on; with it, they show in aiming and in the resolved volley.
  show(PlayState::PlayerAiming, Colour::Teal, ShownBoard::HisShots, ShownFleet::Mine, CurrentVolley::Player);
  EXPECT_EQ(paint_first_row(),
            "rect (500,50)-(600,150) Yellow\n"
            "rect (600,50)-(700,150) White\n"
            "rect (700,50)-(800,150) LightCyan\n");
  lay_out("-D3 -D2");
  EXPECT_EQ(paint_first_row(),
            "rect (500,50)-(600,150) Orange\n"
            "rect (600,50)-(700,150) Orange\n"
            "rect (700,50)-(800,150) LightCyan\n");
  match.set_play_state(PlayState::PlayerVolleyShown);
  EXPECT_EQ(paint_first_row(),
            "rect (500,50)-(600,150) Orange\n"
            "rect (600,50)-(700,150) Orange\n"
            "rect (700,50)-(800,150) LightCyan\n");
  // The player's win shows the shots as they are, switch or not.
  match.set_play_state(PlayState::PlayerWon);
  EXPECT_EQ(paint_first_row(),
            "rect (500,50)-(600,150) Grey\n"
            "rect (600,50)-(700,150) White\n"
            "rect (700,50)-(800,150) LightCyan\n");
  EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(PaintingTest, BattleshipPanelTalliesHitsFromTheLeft) {
  show(PlayState::PlayerAiming, Colour::Teal, ShownBoard::HisShots, ShownFleet::Mine, CurrentVolley::Player);
  match.mutable_counters().player_volley = 5;
  Ship& battleship = match.mutable_my_fleet()[kBattleship];
  battleship.add_hit(2);
  battleship.add_hit(5);
  battleship.add_hit(5);
  paint();
  EXPECT_EQ(lines_with(",180)-("),
            "rect (0,180)-(60,223) Grey\n"
            "text \"B\" (0,180)-(60,223) single|vcenter|center on Grey\n"
            "rect (60,180)-(120,223) LightCyan\n"
            "text \"E\" (60,180)-(120,223) single|vcenter|center on LightCyan\n"
            "rect (120,180)-(180,223) LightCyan\n"
            "text \"E\" (120,180)-(180,223) single|vcenter|center on LightCyan\n"
            "rect (180,180)-(240,223) White\n");

  // Once another volley is current, every hit is an earlier one.
  match.mutable_counters().player_volley = 6;
  paint();
  EXPECT_EQ(lines_with("rect (60,180)-(120,223)"), "rect (60,180)-(120,223) Grey\n");
  // Without a current volley as well.
  scene.current_volley = CurrentVolley::None;
  paint();
  EXPECT_EQ(lines_with("rect (60,180)-(120,223)"), "rect (60,180)-(120,223) Grey\n");
}

TEST_F(PaintingTest, PanelSelectionIsRedOnlyInPlaceModeAndYieldsToTheCurrentVolley) {
  show(PlayState::Placing, Colour::Yellow, ShownBoard::HisRealShips, ShownFleet::His, CurrentVolley::Player);
  scene.selected_ship = kBattleship;
  match.mutable_counters().player_volley = 2;
  canvas.clear();
  paint_panel_cell(match, scene, layout, canvas, kBattleship, 0, 2);  // a hit of the current volley still shows as such
  paint_panel_cell(match, scene, layout, canvas, kBattleship, 1, 1);
  paint_panel_cell(match, scene, layout, canvas, kBattleship, 2, 0);
  paint_panel_cell(match, scene, layout, canvas, kSubmarine, 2, 0);
  match.set_play_state(PlayState::PlayerAiming);
  paint_panel_cell(match, scene, layout, canvas, kBattleship, 2, 0);
  EXPECT_EQ(canvas.text(),
            "rect (0,180)-(60,223) LightCyan\n"
            "rect (60,180)-(120,223) Red\n"
            "rect (120,180)-(180,223) Red\n"
            "rect (120,315)-(180,360) White\n"
            "rect (120,180)-(180,223) White\n");
}

TEST_F(PaintingTest, GridLargerThanItsBoardsReportsEachOutsideReadAndGoesOn) {
  show(PlayState::PlayerAiming, Colour::Teal, ShownBoard::HisShots, ShownFleet::Mine, CurrentVolley::Player);
  match.mutable_settings().MaxCells = 5;  // the boards stay 4 x 4
  paint();
  const std::vector<std::string> errors = platform.texts("Error");
  ASSERT_EQ(errors.size(), 9u);
  EXPECT_EQ(errors.front(), "\nError accessing HIS SHOTS at 0,4\n");
  EXPECT_EQ(errors.back(), "\nError accessing HIS SHOTS at 4,4\n");
  EXPECT_EQ(lines_with("rect (900,450)-(1000,550)"), "rect (900,450)-(1000,550) White\n");
  EXPECT_EQ(canvas.lines().back(), "restore font");
}

TEST_F(PaintingTest, FontIsEightPointsAtTheCanvasResolutionAndIsRestored) {
  RecordingCanvas printer{600};
  paint_window(match, scene, layout, printer);
  EXPECT_EQ(printer.lines().front(), "font 67");
  EXPECT_EQ(printer.lines().back(), "restore font");
  EXPECT_EQ(font_pixel_height(96), 11);
  EXPECT_EQ(font_pixel_height(72), 8);
  EXPECT_EQ(font_pixel_height(120), 13);  // 13.3 rounds down
  EXPECT_EQ(font_pixel_height(600), 67);  // 66.7 rounds up
}

TEST(VolleyLabel, CountsInBijectiveBase26UpToThreeLetters) {
  EXPECT_EQ(volley_label(1), "A");
  EXPECT_EQ(volley_label(2), "B");
  EXPECT_EQ(volley_label(26), "Z");
  EXPECT_EQ(volley_label(27), "AA");
  EXPECT_EQ(volley_label(52), "AZ");
  EXPECT_EQ(volley_label(53), "BA");
  EXPECT_EQ(volley_label(702), "ZZ");
  EXPECT_EQ(volley_label(703), "AAA");
  EXPECT_EQ(volley_label(18278), "ZZZ");
  EXPECT_EQ(volley_label(0), "");
  EXPECT_EQ(volley_label(-3), "");
}

TEST(ColourTable, NamesAndColoursByIndex) {
  EXPECT_EQ(colour_rgb(Colour::Grey), (Rgb{194, 194, 194}));
  EXPECT_EQ(colour_rgb(Colour::LightCyan), (Rgb{64, 255, 255}));
  EXPECT_EQ(colour_rgb(Colour::SpringGreen), (Rgb{0, 255, 127}));
  EXPECT_EQ(colour_rgb(Colour::Orange), (Rgb{255, 128, 0}));
  EXPECT_STREQ(colour_name(Colour::Teal), "Teal");
  EXPECT_STREQ(colour_name(static_cast<Colour>(42)), "Grey");
}

TEST_F(PaintingTest, TheHintShadesOpenWaterMarksCertainCellsAndListsThePlacements) {
  // Volley 1 hit the Corvette in the corner, volley 2 missed beside it: the Corvette can only lie
  // down from the corner, so the hint is certain of (0, 0) and (0, 1).
  match.mutable_his_shots().record_shot(1, 0, 0);
  match.mutable_his_shots().record_shot(2, 1, 0);
  match.mutable_my_fleet()[kCorvette].add_hit(1);
  match.mutable_counters().player_volley = 3;
  FleetHint hint(platform);
  hint.count(match);
  ASSERT_EQ(hint.highest_unshot(), 8);  // at (2, 2): Destroyer 4, Battleship 2, Submarine 2
  show(PlayState::PlayerAiming, Colour::Teal, ShownBoard::HisShots, ShownFleet::Mine, CurrentVolley::Player);
  scene.hint = &hint;
  paint();
  // A shot keeps its colour and letter, and the certain mark sits in its corner.
  EXPECT_EQ(lines_with("(500,50)-(600,150)"),
            "rect (500,50)-(600,150) Grey\n"
            "text \"A\" (500,50)-(600,150) single|vcenter|center on Grey\n");
  EXPECT_EQ(lines_with("(502,52)-(527,77)"), "rect (502,52)-(527,77) Red\n");
  // Open water by its count against the highest: 1 of 8 the lightest, 4 of 8 the third, 8 the darkest.
  EXPECT_EQ(lines_with("(500,150)-(600,250)"), "shade (500,150)-(600,250) #DEEBF7\n");
  EXPECT_EQ(lines_with("(600,150)-(700,250)"), "shade (600,150)-(700,250) #8CBEDE\n");
  EXPECT_EQ(lines_with("(700,250)-(800,350)"), "shade (700,250)-(800,350) #2C6EB0\n");
  // The legend of the scale and the placements, between the panels and the button.
  EXPECT_EQ(lines_with("(0,362)-(400,374)"),
            "text \"Hint: your shots could hit\" (0,362)-(400,374) single|vcenter on Teal\n");
  EXPECT_EQ(lines_with("(320,374)-(400,386)"), "shade (320,374)-(400,386) #2C6EB0\n");
  EXPECT_EQ(lines_with("\"8\""), "text \"8\" (0,386)-(400,398) single|vcenter|right on Teal\n");
  EXPECT_EQ(lines_with("Corvette:"), "text \"Corvette: 1\" (0,398)-(400,410) single|vcenter on Teal\n");

  // Without the hint, or in another state, nothing of it is drawn.
  scene.hint = nullptr;
  paint();
  EXPECT_EQ(canvas.lines_starting("shade"), "");
  scene.hint = &hint;
  match.set_play_state(PlayState::ComputerVolleyShown);
  paint();
  EXPECT_EQ(canvas.lines_starting("shade"), "");
  // While the volley is shown, the hint shows what it taught.
  match.set_play_state(PlayState::PlayerVolleyShown);
  paint();
  EXPECT_EQ(lines_with("(700,250)-(800,350)"), "shade (700,250)-(800,350) #2C6EB0\n");

  // The schemes beside Classic: the same cells in their colours, each with its mark.
  match.set_play_state(PlayState::PlayerAiming);
  match.mutable_settings().ColourScheme = 1;
  paint();
  EXPECT_EQ(lines_with("(500,50)-(600,150)"),
            "fill (500,50)-(600,150) #9E978C frame #556677\n"
            "mark ring (500,50)-(600,150) #14212E\n"
            "text \"A\" (500,50)-(600,150) single|vcenter|center ink #14212E on #9E978C\n");
  EXPECT_EQ(lines_with("(502,52)-(539,89)"), "mark diamond (502,52)-(539,89) #FFFFFF edge #000000\n");
  EXPECT_EQ(lines_with("(700,250)-(800,350)"), "fill (700,250)-(800,350) #000536 frame #556677\n");
  EXPECT_EQ(lines_with("Corvette:"), "text \"Corvette: 1\" (0,398)-(400,410) single|vcenter ink #FFFFFF on #1D3557\n");
  match.mutable_settings().ColourScheme = 2;
  paint();
  EXPECT_EQ(lines_with("(500,50)-(600,150)"),
            "fill (500,50)-(600,150) #3B7BFF frame #B0B0B0\n"
            "mark ring (500,50)-(600,150) #FFFFFF\n"
            "text \"A\" (500,50)-(600,150) single|vcenter|center ink #FFFFFF on #000000\n");
  // The count told by the size of a square: the darkest level nearly fills the cell.
  EXPECT_EQ(lines_with("(700,250)-(800,350)"), "fill (700,250)-(800,350) #000000 frame #B0B0B0\n");
  EXPECT_EQ(lines_with("(707,257)-(792,342)"), "mark block (707,257)-(792,342) #00E5FF\n");
  EXPECT_EQ(canvas.lines_starting("rect"), "") << "nothing in the Classic colours";
  EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace vornmark
