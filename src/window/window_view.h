#pragma once
// What the play flow asks of the window, carried out on the game's surface: redraw requests
// become update() calls on the layout's rectangles, the background colour becomes the
// surface's palette, the title the main window's.

#include <QColor>
#include <QWidget>

#include "play/view.h"

namespace vornmark {

class Match;
struct Layout;

class WindowView : public View {
 public:
  WindowView(Match& match, const Layout& layout, QWidget& surface, QWidget& window);

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

 private:
  Match& match_;
  const Layout& layout_;
  QWidget& surface_;
  QWidget& window_;
};

// The ground of the window class before the first game: the stock light grey, a shade darker
// than the game's own Grey.
inline const QColor kStockLightGrey(192, 192, 192);

// Paints the ground of the surface in a colour of the game (the erase of a full redraw).
void set_surface_background(QWidget& surface, const QColor& colour);

}  // namespace vornmark
