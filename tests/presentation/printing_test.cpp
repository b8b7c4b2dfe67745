#include "presentation/printing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "presentation/layout.h"
#include "presentation/painting.h"
#include "setup/match.h"
#include "setup/start_up.h"
#include "support/recording_canvas.h"
#include "support/recording_platform.h"

namespace vornmark {
namespace {

using testing::RecordingCanvas;
using testing::RecordingPlatform;

// A page that records what the printing asks of it, and can refuse the document or the page.
class FakePage : public PrinterPage {
 public:
  FakePage(int width, int height, std::vector<std::string>& events) : width_(width), height_(height), events_(events) {}
  ~FakePage() override { events_.push_back("released"); }

  int printable_width() const override { return width_; }
  int printable_height() const override { return height_; }
  bool start_document(std::string_view name) override {
    events_.push_back("start " + std::string(name));
    return !refuse_document;
  }
  bool end_page() override {
    events_.push_back("end page");
    return !refuse_page;
  }
  void end_document() override { events_.push_back("end document"); }
  Canvas& canvas() override { return recording; }

  bool refuse_document = false;
  bool refuse_page = false;
  RecordingCanvas recording{600};

 private:
  int width_;
  int height_;
  std::vector<std::string>& events_;
};

class FakePrinters : public Printers {
 public:
  explicit FakePrinters(std::vector<std::string>& events) : events_(events) {}
  std::unique_ptr<PrinterPage> open_default_printer() override {
    if (!has_printer) return nullptr;
    return std::make_unique<FakePage>(960, 1320, events_);
  }
  bool has_printer = true;

 private:
  std::vector<std::string>& events_;
};

class PrintingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    start_up(match, StartUpOptions{"-D3", {}, "stats"});
    match.new_game(Match::Counted::Yes);
    match.set_play_state(PlayState::PlayerAiming);
    scene.background_colour = Colour::Teal;
    scene.shown_board = ShownBoard::HisShots;
    scene.shown_fleet = ShownFleet::Mine;
    scene.current_volley = CurrentVolley::Player;
    layout_window(layout, match, 1000, 700);
  }

  static bool has_line(const FakePage& page, const std::string& line) {
    for (const std::string& recorded : page.recording.lines())
      if (recorded == line) return true;
    return false;
  }

  RecordingPlatform platform;
  Match match{platform};
  Scene scene;
  Layout layout;
  std::vector<std::string> events;
};

TEST_F(PrintingTest, PrintsSquareCellsScaledToThePage) {
  FakePage page(960, 1320, events);
  EXPECT_EQ(print_boards(match, scene, layout, &page), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"start Vornmark: printing", "end page", "end document"}));

  // min(960 / 20, 1320 / 16) = 48: the grid spans 720 pixels from x = 240, half a cell down.
  EXPECT_EQ(page.recording.lines().front(), "font 67");
  EXPECT_TRUE(has_line(page, "rect (240,24)-(288,72) White"));
  EXPECT_TRUE(has_line(page, "rect (912,696)-(960,744) White"));
  EXPECT_TRUE(has_line(page, "text \"0\" (240,-24)-(288,24) single|bottom|center on Teal"));
  EXPECT_TRUE(has_line(page, "text \"14\" (192,696)-(240,744) single|vcenter|right on Teal"));
  // Panels take the page's cell width but keep the screen's rows; the button keeps its place.
  EXPECT_TRUE(has_line(page, "rect (0,126)-(48,187) White"));
  EXPECT_TRUE(has_line(page, "rect (50,632)-(150,695) Grey"));
  EXPECT_TRUE(has_line(page, "text \"Shots left: 10      \" (0,24)-(240,168) wordbreak on Teal"));
  EXPECT_EQ(page.recording.lines().back(), "restore font");
}

TEST_F(PrintingTest, ASchemeBesideClassicPrintsInItsColoursWithItsMarks) {
  match.mutable_settings().ColourScheme = 2;
  FakePage page(960, 1320, events);
  EXPECT_EQ(print_boards(match, scene, layout, &page), 1);
  EXPECT_TRUE(has_line(page, "fill (240,24)-(288,72) #000000 frame #B0B0B0"));
  EXPECT_TRUE(has_line(page, "text \"0\" (240,-24)-(288,24) single|bottom|center ink #FFFFFF on #000000"));
  EXPECT_EQ(page.recording.lines_starting("rect"), "") << "nothing in the Classic colours";
}

TEST_F(PrintingTest, CellsAreSquareOnWidePagesToo) {
  FakePage page(4000, 800, events);  // min(4000 / 20, 800 / 16) = min(200, 50)
  EXPECT_EQ(print_boards(match, scene, layout, &page), 1);
  EXPECT_TRUE(has_line(page, "rect (250,25)-(300,75) White"));
}

TEST_F(PrintingTest, RefusedDocumentPrintsNothing) {
  FakePage page(960, 1320, events);
  page.refuse_document = true;
  EXPECT_EQ(print_boards(match, scene, layout, &page), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"start Vornmark: printing"}));
  EXPECT_TRUE(page.recording.lines().empty());
}

TEST_F(PrintingTest, RefusedPageSendsNoEndOfDocument) {
  FakePage page(960, 1320, events);
  page.refuse_page = true;
  EXPECT_EQ(print_boards(match, scene, layout, &page), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"start Vornmark: printing", "end page"}));
  EXPECT_FALSE(page.recording.lines().empty());
}

TEST_F(PrintingTest, DefaultPrinterIsOpenedAndReleasedOrAbsent) {
  FakePrinters printers(events);
  EXPECT_EQ(print_boards(match, scene, layout, printers), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"start Vornmark: printing", "end page", "end document", "released"}));

  events.clear();
  printers.has_printer = false;
  EXPECT_EQ(print_boards(match, scene, layout, printers), 0);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(print_boards(match, scene, layout, static_cast<PrinterPage*>(nullptr)), 0);
  EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace vornmark
