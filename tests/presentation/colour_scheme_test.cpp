#include "presentation/colour_scheme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/colour_science.h"

namespace vornmark {
namespace {

using testing::contrast_ratio;
using testing::Vision;
using testing::vision_name;
using testing::worst_difference;

// The colour science itself, against published figures: Sharma, Wu and Dalal's CIEDE2000 test
// pairs, and the extremes of the contrast ratio.
TEST(ColourScience, MatchesPublishedFigures) {
  struct Pair {
    testing::Lab first, second;
    double expected;
  };
  const Pair pairs[] = {{{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
                        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
                        {{50, 2.5, 0}, {50, 0, -2.5}, 4.3065},
                        {{2.0776, 0.0795, -1.135}, {0.9033, -0.0636, -0.5514}, 0.9082}};
  for (const Pair& pair : pairs) EXPECT_NEAR(testing::ciede2000(pair.first, pair.second), pair.expected, 1e-4);
  EXPECT_NEAR(contrast_ratio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  // Red and green, far apart in normal vision, nearly meet for a deuteranope.
  EXPECT_GT(testing::difference({200, 40, 40}, {40, 160, 40}, Vision::Normal), 50);
  EXPECT_LT(testing::difference({200, 40, 40}, {40, 160, 40}, Vision::Deuteranopia),
            testing::difference({200, 40, 40}, {40, 160, 40}, Vision::Normal) / 2);
}

struct Needed {
  std::string what;
  Rgb first;
  Rgb second;
};

Rgb cell(const SchemePalette& p, CellState state) { return p.cells[static_cast<std::size_t>(state)].fill; }

// Every text and mark against what it is drawn on, in both schemes.
std::vector<Needed> ink_pairs(const SchemePalette& p) {
  std::vector<Needed> pairs;
  const char* names[] = {"water", "shot", "current", "highlight", "ship", "hit", "panel slot"};
  for (int i = 0; i < kCellStateCount; ++i) {
    const Swatch& s = p.cells[static_cast<std::size_t>(i)];
    pairs.push_back({std::string("letters on ") + names[i], s.ink, s.box});
  }
  const std::pair<const char*, Swatch> grounds[] = {
      {"player's turn", p.background_player}, {"computer's turn", p.background_computer},
      {"Place mode", p.background_place},     {"before the first game", p.background_idle},
      {"button go on", p.button_go},          {"button aim", p.button_wait},
      {"button resolve", p.button_resolve},   {"button game over", p.button_end}};
  for (const auto& [name, s] : grounds) pairs.push_back({std::string("text on ") + name, s.ink, s.fill});
  return pairs;
}

TEST(ColourBlindSafeScheme, EveryPairToldApartIsFarApartInEachVision) {
  const SchemePalette& p = scheme_palette(SchemeId::ColourBlindSafe);
  std::vector<Needed> pairs = ink_pairs(p);
  // The states of a cell among themselves: a ship against a shot against water, and the rest.
  const CellState grid[] = {CellState::Water,     CellState::Shot, CellState::Current,
                            CellState::Highlight, CellState::Ship, CellState::Hit};
  for (CellState a : grid)
    for (CellState b : grid)
      if (a < b)
        pairs.push_back(
            {"cell states " + std::to_string(int(a)) + "/" + std::to_string(int(b)), cell(p, a), cell(p, b)});
  pairs.push_back({"panel slot/hit", cell(p, CellState::Slot), cell(p, CellState::Hit)});
  pairs.push_back({"panel slot/selected ship", cell(p, CellState::Slot), cell(p, CellState::Ship)});
  // The marks of the current volley: its own cells' frame, and the frame round a hit of it.
  pairs.push_back({"current frame", p.current_frame, cell(p, CellState::Current)});
  pairs.push_back({"current frame on a hit", cell(p, CellState::Current), cell(p, CellState::Hit)});
  // The five shades of the counts, each against every other.
  for (std::size_t a = 0; a < p.shades.size(); ++a)
    for (std::size_t b = a + 1; b < p.shades.size(); ++b)
      pairs.push_back({"shades " + std::to_string(a + 1) + "/" + std::to_string(b + 1), p.shades[a], p.shades[b]});
  // The grid lines against open water and the window around it; the buttons against the grounds
  // they stand on (there is no button before the first game).
  pairs.push_back({"grid line on water", p.grid_line, cell(p, CellState::Water)});
  for (const Swatch& ground : {p.background_player, p.background_computer, p.background_place})
    for (const Swatch& button : {p.button_go, p.button_wait, p.button_resolve, p.button_end})
      pairs.push_back({"button on its ground", button.fill, ground.fill});
  // The focus frame: its strips against their edge, and against every cell they may surround.
  pairs.push_back({"focus strips", p.focus.fill, p.focus.ink});

  for (const Needed& pair : pairs) {
    Vision worst{};
    const double d = worst_difference(pair.first, pair.second, &worst);
    EXPECT_GE(d, 20.0) << pair.what << ": CIEDE2000 " << d << " in " << vision_name(worst);
  }
  // Marks drawn in two colours need only one of them to stand out.
  for (Rgb shade : p.shades)
    EXPECT_GE(std::max(worst_difference(p.pin.fill, shade), worst_difference(p.pin.ink, shade)), 20.0);
  for (int state = 0; state < kCellStateCount; ++state)
    EXPECT_GE(std::max(worst_difference(p.focus.fill, p.cells[static_cast<std::size_t>(state)].fill),
                       worst_difference(p.focus.ink, p.cells[static_cast<std::size_t>(state)].fill)),
              20.0);
}

TEST(HighContrastScheme, TextReachesSevenToOneAndNeighbouringStatesThreeToOne) {
  const SchemePalette& p = scheme_palette(SchemeId::HighContrast);
  for (const Needed& pair : ink_pairs(p)) EXPECT_GE(contrast_ratio(pair.first, pair.second), 7.0) << pair.what;
  // A cell against the states it stands beside or turns into: open water is next to everything,
  // water becomes a shot, a shot is highlighted or is the current volley's neighbour, a ship is hit.
  const std::pair<CellState, CellState> neighbours[] = {
      {CellState::Water, CellState::Shot},      {CellState::Water, CellState::Current},
      {CellState::Water, CellState::Highlight}, {CellState::Water, CellState::Ship},
      {CellState::Water, CellState::Hit},       {CellState::Shot, CellState::Current},
      {CellState::Shot, CellState::Highlight},  {CellState::Ship, CellState::Hit},
      {CellState::Slot, CellState::Hit},        {CellState::Slot, CellState::Ship}};
  for (const auto& [a, b] : neighbours)
    EXPECT_GE(contrast_ratio(cell(p, a), cell(p, b)), 3.0) << int(a) << "/" << int(b);
  // The marks against their cells, the grid lines, the count squares and the pins against water,
  // the buttons against their grounds, the focus frame's strips against their edge.
  for (int state = 0; state < kCellStateCount; ++state) {
    const Swatch& s = p.cells[static_cast<std::size_t>(state)];
    if (state != int(CellState::Water) && state != int(CellState::Slot))
      EXPECT_GE(contrast_ratio(s.ink, s.fill), 3.0) << "mark on state " << state;
  }
  EXPECT_GE(contrast_ratio(cell(p, CellState::Current), p.current_frame), 3.0);
  EXPECT_GE(contrast_ratio(cell(p, CellState::Hit), cell(p, CellState::Current)), 3.0);
  for (Rgb on_water : {p.grid_line, p.shade_square, p.pin.fill})
    EXPECT_GE(contrast_ratio(on_water, cell(p, CellState::Water)), 3.0);
  for (const Swatch& ground : {p.background_player, p.background_computer, p.background_place})
    for (const Swatch& button : {p.button_go, p.button_resolve, p.button_end})
      EXPECT_GE(contrast_ratio(button.fill, ground.fill), 3.0);
  EXPECT_GE(contrast_ratio(p.focus.fill, p.focus.ink), 3.0);
  EXPECT_TRUE(p.squares_tell_levels) << "shades of one ink cannot all stand 3:1 apart";
}

TEST(ColourSchemes, ClassicIsTheDefaultAndBackgroundsFollowTheScheme) {
  EXPECT_STREQ(scheme_name(SchemeId::Classic), "Classic");
  for (Colour classic : {Colour::Teal, Colour::DarkGreen, Colour::Yellow, Colour::Grey})
    EXPECT_EQ(background_rgb(SchemeId::Classic, classic), colour_rgb(classic));
  const SchemePalette& safe = scheme_palette(SchemeId::ColourBlindSafe);
  EXPECT_EQ(background_rgb(SchemeId::ColourBlindSafe, Colour::Teal), safe.background_player.fill);
  EXPECT_EQ(background_rgb(SchemeId::ColourBlindSafe, Colour::DarkGreen), safe.background_computer.fill);
  EXPECT_EQ(background_rgb(SchemeId::ColourBlindSafe, Colour::Yellow), safe.background_place.fill);
  EXPECT_EQ(button_swatch(safe, Colour::Red).fill, safe.button_resolve.fill);
  EXPECT_EQ(button_swatch(safe, Colour::LightCyan).fill, safe.button_go.fill);
  EXPECT_EQ(button_swatch(safe, Colour::Orange).fill, safe.button_end.fill);
  EXPECT_EQ(button_swatch(safe, Colour::White).fill, safe.button_wait.fill);
}

}  // namespace
}  // namespace vornmark
