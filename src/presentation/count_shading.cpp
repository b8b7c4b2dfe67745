#include "presentation/count_shading.h"

#include <algorithm>
#include <string>

#include "opponent/hint.h"
#include "opponent/reasoner.h"
#include "play/scene.h"
#include "presentation/layout.h"
#include "presentation/scheme_cells.h"
#include "report/reporter.h"
#include "setup/match.h"

namespace vornmark {

namespace {

// Light to dark blue: readable under black letters and frames, apart from every colour of the
// table and from the black and white of a focus frame.
constexpr std::array<Rgb, kShadeLevels> kShades{{
    {222, 235, 247},
    {186, 214, 235},
    {140, 190, 222},
    {90, 155, 205},
    {44, 110, 176},
}};

constexpr const char* kShipNames[kFleetSize] = {"Corvette", "Destroyer", "Battleship", "Submarine"};
constexpr int kSubmarineLastRow = 8;  // the Submarine's panel ends at eight rows of the strip
constexpr int kLegendLines = 7;       // caption, swatches, their labels, four ships

int highest_unshot(const Board& counts, const Board& shots, int grid) {
  int highest = 0;
  for (int row = 0; row < grid; ++row)
    for (int column = 0; column < grid; ++column)
      if (shots.at(column, row) == 0) highest = std::max(highest, counts.at(column, row));
  return highest;
}

}  // namespace

std::optional<CountsOnGrid> counts_on_grid(const Match& match, const Scene& scene) {
  // The hint while the player aims, and after the volley, what the volley taught.
  if (scene.hint != nullptr &&
      (match.play_state() == PlayState::PlayerAiming || match.play_state() == PlayState::PlayerVolleyShown)) {
    const FleetHint& hint = *scene.hint;
    return CountsOnGrid{&hint.cumulative(), &hint.pinned_cells(), hint.highest_unshot(), hint.placements(),
                        "Hint: your shots could hit"};
  }
  if (scene.vornmark_view != nullptr && match.play_state() == PlayState::ComputerVolleyShown) {
    const Reasoner& reasoner = *scene.vornmark_view;
    CountsOnGrid shown{&reasoner.cumulative(), nullptr, 0, reasoner.possib(), "Vornmark's view of your fleet"};
    if (scene.vornmark_chances != nullptr) {
      shown.counts = scene.vornmark_chances;
      shown.caption = "Vornmark's view: chance of a ship, %";
    }
    shown.highest = highest_unshot(*shown.counts, match.my_shots(), match.grid());
    for (int i = 0; i < kFleetSize; ++i)
      if (match.his_fleet()[static_cast<std::size_t>(i)].cells_left() <= 0)
        shown.placements[static_cast<std::size_t>(i)] = 0;
    return shown;
  }
  return std::nullopt;
}

int shade_level(int count, int highest) {
  if (count <= 0 || highest <= 0) return 0;
  return std::min(kShadeLevels, (kShadeLevels * count + highest - 1) / highest);
}

Rgb shade_colour(int level) { return kShades[static_cast<std::size_t>(std::clamp(level, 1, kShadeLevels) - 1)]; }

Rect certain_mark(const Rect& cell) {
  const int side = std::max(3, std::min(cell.right - cell.left, cell.bottom - cell.top) / 4);
  return {cell.left + 2, cell.top + 2, cell.left + 2 + side, cell.top + 2 + side};
}

void paint_counts_legend(const CountsOnGrid& shown, const Scene& scene, const Layout& layout, Canvas& canvas,
                         SchemeId scheme) {
  const int top = kSubmarineLastRow * layout.row_height + 2;
  const int bottom = layout.status_rect.top - 2;
  const int right = cell_x(layout, -1);
  const int line = (bottom - top) / kLegendLines;
  if (line <= 0 || right <= 0) return;
  const auto line_rect = [&](int index) { return Rect{0, top + index * line, right, top + (index + 1) * line}; };
  constexpr unsigned kLine = kTextSingleLine | kTextVCenter;

  const bool classic = scheme == SchemeId::Classic;
  if (classic) {
    canvas.set_text_background(scene.background_colour);
  } else {
    const Swatch background = background_swatch(scheme_palette(scheme), scene.background_colour);
    canvas.set_ink(background.ink, background.fill);
  }
  canvas.draw_text(shown.caption, line_rect(0), kLine);
  const Rect swatches = line_rect(1);
  const int width = (swatches.right - swatches.left) / kShadeLevels;
  for (int level = 1; level <= kShadeLevels; ++level) {
    const Rect swatch{(level - 1) * width, swatches.top, level * width, swatches.bottom};
    if (classic)
      canvas.shade(swatch, shade_colour(level));
    else
      paint_scheme_shade(canvas, scheme_palette(scheme), swatch, level);
  }
  canvas.draw_text("1", line_rect(2), kLine);
  canvas.draw_text(std::to_string(std::max(shown.highest, 1)), line_rect(2), kLine | kTextRight);
  for (int ship = 0; ship < kFleetSize; ++ship)
    canvas.draw_text(format_text("%s: %d", kShipNames[ship], shown.placements[static_cast<std::size_t>(ship)]),
                     line_rect(3 + ship), kLine);
}

}  // namespace vornmark
