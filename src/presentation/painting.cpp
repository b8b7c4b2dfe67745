#include "presentation/painting.h"

#include <initializer_list>
#include <optional>

#include "play/state_texts.h"
#include "presentation/canvas.h"
#include "presentation/colour_scheme.h"
#include "presentation/count_shading.h"
#include "presentation/layout.h"
#include "presentation/scheme_cells.h"
#include "report/reporter.h"
#include "setup/match.h"

namespace vornmark {

namespace {

constexpr unsigned kLabelInCell = kTextSingleLine | kTextVCenter | kTextCenter;
constexpr unsigned kColumnLabel = kTextSingleLine | kTextBottom | kTextCenter;
constexpr unsigned kRowLabel = kTextSingleLine | kTextVCenter | kTextRight;
constexpr unsigned kStatusText = kTextCenter | kTextVCenter | kTextWordBreak;
constexpr int kStatusTextMargin = 2;
constexpr int kDiagShowComputerShips = 2;

const Board* shown_board(const Match& match, const Scene& scene) {
  switch (scene.shown_board) {
    case ShownBoard::MyShots:
      return &match.my_shots();
    case ShownBoard::HisShots:
      return &match.his_shots();
    case ShownBoard::HisRealShips:
      return &match.his_real_ships();
    case ShownBoard::None:
      break;
  }
  return nullptr;
}

const Fleet* shown_fleet(const Match& match, const Scene& scene) {
  switch (scene.shown_fleet) {
    case ShownFleet::Mine:
      return &match.my_fleet();
    case ShownFleet::His:
      return &match.his_fleet();
    case ShownFleet::None:
      break;
  }
  return nullptr;
}

std::optional<int> current_volley(const Match& match, const Scene& scene) {
  switch (scene.current_volley) {
    case CurrentVolley::Player:
      return match.counters().player_volley;
    case CurrentVolley::Computer:
      return match.counters().computer_volley;
    case CurrentVolley::None:
      break;
  }
  return std::nullopt;
}

bool is_current_volley(const Match& match, const Scene& scene, int value) {
  const std::optional<int> current = current_volley(match, scene);
  return value > 0 && current && value == *current;
}

bool in_state(const Match& match, std::initializer_list<PlayState> states) {
  for (PlayState state : states)
    if (match.play_state() == state) return true;
  return false;
}

// A cell is drawn in its colour, and the letter written into it sits on the same colour.
void fill(Canvas& canvas, const Rect& rect, Colour colour) {
  canvas.set_text_background(colour);
  canvas.rectangle(rect, colour);
}

Colour grid_cell_colour(const Match& match, const Scene& scene, int column, int row, int value) {
  if (match.settings().AutomaticMode != 0 && match.play_state() == PlayState::ComputerVolleyShown) {
    // The computer's volley against the player's real ships: every ship cell shows, shot or not.
    if (match.his_real_ships().at(column, row) != 0) return Colour::Red;
    if (value == match.counters().computer_volley) return Colour::SpringGreen;
    return Colour::White;
  }
  if (value == 0) return Colour::White;
  if (match.play_state() == PlayState::Placing) return Colour::Red;
  if (is_current_volley(match, scene, value)) {
    return in_state(match, {PlayState::ComputerVolleyShown, PlayState::ComputerWon, PlayState::FleetRevealed})
               ? Colour::SpringGreen
               : Colour::LightCyan;
  }
  if (match.play_state() == PlayState::PlayerAiming && value == scene.highlight_volley) return Colour::Yellow;
  return Colour::Grey;
}

bool shows_computer_ships(const Match& match) {
  if (match.play_state() == PlayState::FleetRevealed) return true;
  return match.switches().on(kDiagShowComputerShips) &&
         in_state(match, {PlayState::PlayerAiming, PlayState::PlayerVolleyShown});
}

// Text on the window's background: Classic's black on the background colour, or the scheme's ink.
void use_background_ink(const Match& match, const Scene& scene, Canvas& canvas) {
  const SchemeId scheme = scheme_of(match);
  if (scheme == SchemeId::Classic) {
    canvas.set_text_background(scene.background_colour);
    return;
  }
  const Swatch background = background_swatch(scheme_palette(scheme), scene.background_colour);
  canvas.set_ink(background.ink, background.fill);
}

// What a grid cell shows in the schemes beside Classic, by the rules of its Classic colour, with
// hits and misses told apart where the ships are known.
struct SchemeCell {
  CellState state;
  bool current;
};

SchemeCell scheme_grid_cell(const Match& match, const Scene& scene, int column, int row, int value) {
  const bool current = is_current_volley(match, scene, value);
  if (shows_computer_ships(match) && match.my_sea().at(column, row) != 0)
    return {value != 0 ? CellState::Hit : CellState::Ship, current};
  if (match.settings().AutomaticMode != 0 && match.play_state() == PlayState::ComputerVolleyShown) {
    if (match.his_real_ships().at(column, row) != 0) return {value != 0 ? CellState::Hit : CellState::Ship, current};
    if (value == 0) return {CellState::Water, false};
    return {current ? CellState::Current : CellState::Shot, false};
  }
  if (value == 0) return {CellState::Water, false};
  if (match.play_state() == PlayState::Placing) return {CellState::Ship, false};
  if (current) return {CellState::Current, false};
  if (match.play_state() == PlayState::PlayerAiming && value == scene.highlight_volley)
    return {CellState::Highlight, false};
  return {CellState::Shot, false};
}

Rect paint_scheme_grid_cell(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas, int column,
                            int row, int value, const std::optional<CountsOnGrid>& counts) {
  const SchemePalette& palette = scheme_palette(scheme_of(match));
  const SchemeCell look = scheme_grid_cell(match, scene, column, row, value);
  const Rect rect = grid_cell_rect(layout, column, row);
  const int level =
      counts && look.state == CellState::Water ? shade_level(counts->counts->at(column, row), counts->highest) : 0;
  if (level > 0)
    paint_scheme_shade(canvas, palette, rect, level);
  else
    paint_scheme_cell(canvas, palette, rect, look.state, look.current);
  if (counts && look.state == CellState::Water && level == 0) paint_scheme_ruled_out(canvas, palette, rect);
  if (counts && counts->certain != nullptr && counts->certain->at(column, row) != 0)
    paint_scheme_pin(canvas, palette, rect);
  // The letter of a shot sits on the ink of the cell's own state.
  const Swatch& ink = palette.cells[static_cast<std::size_t>(look.state)];
  canvas.set_ink(ink.ink, ink.box);
  return rect;
}

void paint_labels(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas) {
  const int n = match.settings().MaxCells;
  use_background_ink(match, scene, canvas);
  for (int column = 0; column < n; ++column)
    canvas.draw_text(format_text("%d", column), column_label_rect(layout, column), kColumnLabel);
  for (int row = 0; row < n; ++row) canvas.draw_text(format_text("%d", row), row_label_rect(layout, row), kRowLabel);
}

void paint_grid(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas, const Board& board,
                const std::optional<CountsOnGrid>& counts) {
  const int n = match.settings().MaxCells;
  for (int column = 0; column < n; ++column) {
    for (int row = 0; row < n; ++row) {
      const int value = board.at(column, row);
      const Rect cell = paint_grid_cell(match, scene, layout, canvas, column, row, value, counts);
      if (value != 0 && match.play_state() != PlayState::Placing)
        canvas.draw_text(volley_label(value), cell, kLabelInCell);
    }
  }
}

void paint_panels(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas, const Fleet& fleet) {
  for (int ship = 0; ship < static_cast<int>(fleet.size()); ++ship) {
    const Ship& shown = fleet[static_cast<std::size_t>(ship)];
    for (int cell = 0; shown.hit_at(cell) >= 0; ++cell) {
      const int hit = shown.hit_at(cell);
      const Rect drawn = paint_panel_cell(match, scene, layout, canvas, ship, cell, hit);
      if (hit > 0) canvas.draw_text(volley_label(hit), drawn, kLabelInCell);
    }
  }
}

void paint_status_button(const Match& match, const Layout& layout, Canvas& canvas) {
  const std::optional<StatusButton> button = status_button(match);
  if (!button) return;
  if (const SchemeId scheme = scheme_of(match); scheme != SchemeId::Classic) {
    const SchemePalette& palette = scheme_palette(scheme);
    const Swatch look = button_swatch(palette, button->colour);
    canvas.fill_rect(layout.status_rect, look.fill, palette.grid_line);
    canvas.set_ink(look.ink, look.box);
  } else {
    fill(canvas, layout.status_rect, button->colour);
  }
  canvas.draw_text(button->text, layout.status_rect.shrunk(kStatusTextMargin), kStatusText);
}

void paint_legend(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas) {
  use_background_ink(match, scene, canvas);
  canvas.draw_text(legend_text(match), legend_rect(match, layout), kTextWordBreak);
}

}  // namespace

void paint_window(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas) {
  canvas.select_font(font_pixel_height(canvas.vertical_resolution()));
  if (scene.background_colour != Colour::Grey) paint_labels(match, scene, layout, canvas);
  const std::optional<CountsOnGrid> counts = counts_on_grid(match, scene);
  if (const Board* board = shown_board(match, scene)) paint_grid(match, scene, layout, canvas, *board, counts);
  if (const Fleet* fleet = shown_fleet(match, scene)) paint_panels(match, scene, layout, canvas, *fleet);
  if (counts) paint_counts_legend(*counts, scene, layout, canvas, scheme_of(match));
  paint_status_button(match, layout, canvas);
  paint_legend(match, scene, layout, canvas);
  canvas.restore_font();
}

Rect paint_grid_cell(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas, int column, int row,
                     int value) {
  return paint_grid_cell(match, scene, layout, canvas, column, row, value, counts_on_grid(match, scene));
}

Rect paint_grid_cell(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas, int column, int row,
                     int value, const std::optional<CountsOnGrid>& counts) {
  if (scheme_of(match) != SchemeId::Classic)
    return paint_scheme_grid_cell(match, scene, layout, canvas, column, row, value, counts);
  Colour colour = grid_cell_colour(match, scene, column, row, value);
  if (shows_computer_ships(match) && match.my_sea().at(column, row) != 0) colour = Colour::Orange;
  const Rect rect = grid_cell_rect(layout, column, row);
  // The counts shade the open water that is not yet shot; everything else keeps its colour.
  const int level = counts && colour == Colour::White && value == 0
                        ? shade_level(counts->counts->at(column, row), counts->highest)
                        : 0;
  if (level > 0)
    canvas.shade(rect, shade_colour(level));
  else
    fill(canvas, rect, colour);
  if (counts && counts->certain != nullptr && counts->certain->at(column, row) != 0)
    canvas.rectangle(certain_mark(rect), Colour::Red);
  return rect;
}

Rect paint_panel_cell(const Match& match, const Scene& scene, const Layout& layout, Canvas& canvas, int ship, int cell,
                      int hit) {
  if (const SchemeId scheme = scheme_of(match); scheme != SchemeId::Classic) {
    const Fleet* fleet = shown_fleet(match, scene);
    const bool sunk = hit != 0 && fleet != nullptr && ship >= 0 && ship < static_cast<int>(fleet->size()) &&
                      (*fleet)[static_cast<std::size_t>(ship)].cells_left() <= 0;
    CellState state = hit != 0 ? CellState::Hit : CellState::Slot;
    if (match.play_state() == PlayState::Placing && ship == scene.selected_ship) state = CellState::Ship;
    const Rect rect = panel_cell_rect(layout, ship, cell);
    paint_scheme_cell(canvas, scheme_palette(scheme), rect, state, is_current_volley(match, scene, hit), sunk);
    return rect;
  }
  Colour colour = Colour::White;
  if (is_current_volley(match, scene, hit)) {
    colour = in_state(match, {PlayState::ComputerVolleyShown, PlayState::ComputerWon}) ? Colour::SpringGreen
                                                                                       : Colour::LightCyan;
  } else if (match.play_state() == PlayState::Placing && ship == scene.selected_ship) {
    colour = Colour::Red;
  } else if (hit != 0) {
    colour = Colour::Grey;
  }
  const Rect rect = panel_cell_rect(layout, ship, cell);
  fill(canvas, rect, colour);
  return rect;
}

Rect legend_rect(const Match& match, const Layout& layout) {
  return legend_rect_for(layout, match.play_state() == PlayState::Placing);
}

std::string volley_label(int volley) {
  // Bijective base 26: A..Z, then AA..ZZ, then AAA on; a fourth letter is never written.
  if (volley < 1) return "";
  int q = volley - 1;
  std::string label(1, static_cast<char>('A' + q % 26));
  q /= 26;
  if (q > 0) {
    q -= 1;
    label.insert(label.begin(), static_cast<char>('A' + q % 26));
    q /= 26;
    if (q > 0) label.insert(label.begin(), static_cast<char>('A' + (q - 1) % 26));
  }
  return label;
}

}  // namespace vornmark
