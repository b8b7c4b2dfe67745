#include "presentation/painting.h"

#include <initializer_list>
#include <optional>

#include "play/state_texts.h"
#include "presentation/canvas.h"
#include "presentation/layout.h"
#include "report/reporter.h"
#include "setup/game.h"

namespace vornmark {

namespace {

constexpr unsigned kLabelInCell = kTextSingleLine | kTextVCenter | kTextCenter;
constexpr unsigned kColumnLabel = kTextSingleLine | kTextBottom | kTextCenter;
constexpr unsigned kRowLabel = kTextSingleLine | kTextVCenter | kTextRight;
constexpr unsigned kStatusText = kTextCenter | kTextVCenter | kTextWordBreak;
constexpr int kStatusTextMargin = 2;
constexpr int kDiagShowComputerShips = 2;

Board* shown_board(Game& game) {
  switch (game.shown_board) {
    case ShownBoard::MyShots:
      return &game.my_shots;
    case ShownBoard::HisShots:
      return &game.his_shots;
    case ShownBoard::HisRealShips:
      return &game.his_real_ships;
    case ShownBoard::None:
      break;
  }
  return nullptr;
}

Fleet* shown_fleet(Game& game) {
  switch (game.shown_fleet) {
    case ShownFleet::Mine:
      return &game.my_fleet;
    case ShownFleet::His:
      return &game.his_fleet;
    case ShownFleet::None:
      break;
  }
  return nullptr;
}

std::optional<int> current_volley(const Game& game) {
  switch (game.current_volley) {
    case CurrentVolley::Player:
      return game.player_volley;
    case CurrentVolley::Computer:
      return game.computer_volley;
    case CurrentVolley::None:
      break;
  }
  return std::nullopt;
}

bool is_current_volley(const Game& game, int value) {
  const std::optional<int> current = current_volley(game);
  return value > 0 && current && value == *current;
}

bool in_state(const Game& game, std::initializer_list<PlayState> states) {
  for (PlayState state : states)
    if (game.play_state == state) return true;
  return false;
}

// A cell is drawn in its colour, and the letter written into it sits on the same colour.
void fill(Canvas& canvas, const Rect& rect, Colour colour) {
  canvas.set_text_background(colour);
  canvas.rectangle(rect, colour);
}

Colour grid_cell_colour(Game& game, int column, int row, int value) {
  if (game.settings.AutomaticMode != 0 && game.play_state == PlayState::ComputerVolleyShown) {
    // The computer's volley against the player's real ships: every ship cell shows, shot or not.
    if (game.his_real_ships.at(column, row) != 0) return Colour::Red;
    if (value == game.computer_volley) return Colour::SpringGreen;
    return Colour::White;
  }
  if (value == 0) return Colour::White;
  if (game.play_state == PlayState::Placing) return Colour::Red;
  if (is_current_volley(game, value)) {
    return in_state(game, {PlayState::ComputerVolleyShown, PlayState::ComputerWon, PlayState::FleetRevealed})
               ? Colour::SpringGreen
               : Colour::LightCyan;
  }
  if (game.play_state == PlayState::PlayerAiming && value == game.highlight_volley) return Colour::Yellow;
  return Colour::Grey;
}

bool shows_computer_ships(const Game& game) {
  if (game.play_state == PlayState::FleetRevealed) return true;
  return game.switches.on(kDiagShowComputerShips) &&
         in_state(game, {PlayState::PlayerAiming, PlayState::PlayerVolleyShown});
}

void paint_labels(Game& game, Layout& layout, Canvas& canvas) {
  const int n = game.settings.MaxCells;
  canvas.set_text_background(game.background_colour);
  for (int column = 0; column < n; ++column)
    canvas.draw_text(format_text("%d", column), column_label_rect(layout, column), kColumnLabel);
  for (int row = 0; row < n; ++row) canvas.draw_text(format_text("%d", row), row_label_rect(layout, row), kRowLabel);
}

void paint_grid(Game& game, Layout& layout, Canvas& canvas, Board& board) {
  const int n = game.settings.MaxCells;
  for (int column = 0; column < n; ++column) {
    for (int row = 0; row < n; ++row) {
      const int value = board.at(column, row);
      paint_grid_cell(game, layout, canvas, column, row, value);
      if (value != 0 && game.play_state != PlayState::Placing)
        canvas.draw_text(volley_label(value), layout.update_rect, kLabelInCell);
    }
  }
}

void paint_panels(Game& game, Layout& layout, Canvas& canvas, const Fleet& fleet) {
  for (int ship = 0; ship < static_cast<int>(fleet.size()); ++ship) {
    const Ship& shown = fleet[static_cast<std::size_t>(ship)];
    for (int cell = 0; shown.hit_at(cell) >= 0; ++cell) {
      const int hit = shown.hit_at(cell);
      paint_panel_cell(game, layout, canvas, ship, cell, hit);
      if (hit > 0) canvas.draw_text(volley_label(hit), layout.update_rect, kLabelInCell);
    }
  }
}

void paint_status_button(const Game& game, const Layout& layout, Canvas& canvas) {
  const std::optional<StatusButton> button = status_button(game);
  if (!button) return;
  fill(canvas, layout.status_rect, button->colour);
  canvas.draw_text(button->text, layout.status_rect.shrunk(kStatusTextMargin), kStatusText);
}

void paint_legend(const Game& game, Layout& layout, Canvas& canvas) {
  layout.legend_rect = legend_rect_for(layout, game.play_state == PlayState::Placing);
  canvas.set_text_background(game.background_colour);
  canvas.draw_text(legend_text(game), layout.legend_rect, kTextWordBreak);
}

}  // namespace

void paint_window(Game& game, Layout& layout, Canvas& canvas) {
  canvas.select_font(font_pixel_height(canvas.vertical_resolution()));
  if (game.background_colour != Colour::Grey) paint_labels(game, layout, canvas);
  if (Board* board = shown_board(game)) paint_grid(game, layout, canvas, *board);
  if (const Fleet* fleet = shown_fleet(game)) paint_panels(game, layout, canvas, *fleet);
  paint_status_button(game, layout, canvas);
  paint_legend(game, layout, canvas);
  canvas.restore_font();
}

void paint_grid_cell(Game& game, Layout& layout, Canvas& canvas, int column, int row, int value) {
  Colour colour = grid_cell_colour(game, column, row, value);
  if (shows_computer_ships(game) && game.my_sea.at(column, row) != 0) colour = Colour::Orange;
  layout.update_rect = grid_cell_rect(layout, column, row);
  fill(canvas, layout.update_rect, colour);
}

void paint_panel_cell(Game& game, Layout& layout, Canvas& canvas, int ship, int cell, int hit) {
  Colour colour = Colour::White;
  if (is_current_volley(game, hit)) {
    colour = in_state(game, {PlayState::ComputerVolleyShown, PlayState::ComputerWon}) ? Colour::SpringGreen
                                                                                      : Colour::LightCyan;
  } else if (game.play_state == PlayState::Placing && ship == game.selected_ship) {
    colour = Colour::Red;
  } else if (hit != 0) {
    colour = Colour::Grey;
  }
  layout.update_rect = panel_cell_rect(layout, ship, cell);
  fill(canvas, layout.update_rect, colour);
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
