#include "window/window_view.h"

#include <QPalette>

#include "presentation/colour_scheme.h"
#include "presentation/layout.h"
#include "presentation/painting.h"
#include "setup/match.h"
#include "window/game_wording.h"
#include "window/qt_canvas.h"
#include "window/sound_player.h"

namespace vornmark {

void set_surface_background(QWidget& surface, const QColor& colour) {
  QPalette palette = surface.palette();
  palette.setColor(QPalette::Window, colour);
  surface.setPalette(palette);
}

WindowView::WindowView(Match& match, const Layout& layout, QWidget& surface, QWidget& window, SoundPlayer& sounds)
    : match_(match), layout_(layout), surface_(surface), window_(window), sounds_(sounds) {}

void WindowView::beep() { match_.platform().beep(); }

void WindowView::set_background(Colour colour) {
  const SchemeId scheme = scheme_of(match_);
  // Before the first game Classic keeps the stock light grey of the window class.
  if (scheme == SchemeId::Classic && match_.play_state() == PlayState::Idle && colour == Colour::Grey) {
    set_surface_background(surface_, kStockLightGrey);
    return;
  }
  const Rgb rgb = background_rgb(scheme, colour);
  set_surface_background(surface_, QColor(rgb.red, rgb.green, rgb.blue));
}

void WindowView::set_title(std::string_view title) { window_.setWindowTitle(game_text(title)); }

void WindowView::show_error(std::string_view text) { match_.report().error_box(text); }

void WindowView::invalidate_cell(int column, int row) {
  surface_.update(qt_rect(vornmark::invalidate_cell(layout_, column, row)));
}

void WindowView::invalidate_panel(int ship) { surface_.update(qt_rect(vornmark::invalidate_panel(layout_, ship))); }

void WindowView::invalidate_ship_cells(const Ship& ship) {
  for (const Rect& cell : vornmark::invalidate_ship_cells(layout_, ship)) surface_.update(qt_rect(cell));
}

void WindowView::invalidate_legend() { surface_.update(qt_rect(legend_rect(match_, layout_))); }

void WindowView::invalidate_status() { surface_.update(qt_rect(layout_.status_rect)); }

void WindowView::invalidate_grid() { surface_.update(qt_rect(layout_.board_rect)); }

void WindowView::redraw_all() { surface_.update(); }

void WindowView::play_sound(Sound sound) {
  if (match_.settings().Sound != 0) sounds_.play(sound);
}

void WindowView::game_changed() {
  if (on_game_changed_) on_game_changed_();
}

}  // namespace vornmark
