#pragma once
// What the play flow asks of the window, carried out on the game's surface: redraw requests
// become update() calls on the layout's rectangles, the background colour becomes the
// surface's palette, the title the main window's, and sounds are heard while the Sound switch is on.

#include <QColor>
#include <QWidget>
#include <functional>

#include "play/view.h"

namespace vornmark {

class Match;
class SoundPlayer;
struct Layout;

class WindowView : public View {
 public:
  WindowView(Match& match, const Layout& layout, QWidget& surface, QWidget& window, SoundPlayer& sounds);

  void beep() override;
  void set_background(Colour colour) override;
  void set_title(std::string_view title) override;
  void show_error(std::string_view text) override;

  void invalidate_cell(int column, int row) override;
  void invalidate_panel(int ship) override;
  void invalidate_ship_cells(const Ship& ship) override;
  void invalidate_legend() override;
  void invalidate_status() override;
  void invalidate_grid() override;
  void redraw_all() override;
  void play_sound(Sound sound) override;
  void game_changed() override;

  // Who hears of the changes worth keeping; none by default.
  void set_game_changed(std::function<void()> on_change) { on_game_changed_ = std::move(on_change); }

 private:
  Match& match_;
  const Layout& layout_;
  QWidget& surface_;
  QWidget& window_;
  SoundPlayer& sounds_;
  std::function<void()> on_game_changed_;
};

// The ground of the window class before the first game: the stock light grey, a shade darker
// than the game's own Grey.
inline const QColor kStockLightGrey(192, 192, 192);

// Paints the ground of the surface in a colour of the game (the erase of a full redraw).
void set_surface_background(QWidget& surface, const QColor& colour);

}  // namespace vornmark
