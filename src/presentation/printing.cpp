#include "presentation/printing.h"

#include <algorithm>
#include <cstdint>

#include "presentation/layout.h"
#include "presentation/painting.h"
#include "setup/game.h"

namespace vornmark {

namespace {

// The screen's values that printing overwrites. Painting rewrites the legend and scratch
// rectangles too; they are kept as well, so that the window's next redraw requests for the
// legend do not mark a rectangle measured in printer pixels.
struct ScreenLayout {
  std::int16_t cell_width;
  std::int16_t cell_height;
  Rect legend_rect;
  Rect update_rect;
};

void scale_cells_to_page(Game& game, Layout& layout, const PrinterPage& page) {
  const int n = game.settings.MaxCells;
  layout.cell_width = static_cast<std::int16_t>(page.printable_width() / (n + 5));
  layout.cell_height = static_cast<std::int16_t>(page.printable_height() / (n + 1));
  const std::int16_t square = std::min(layout.cell_width, layout.cell_height);
  layout.cell_width = square;
  layout.cell_height = square;
  layout_board_and_panels(layout, game);
}

int print_page(Game& game, Layout& layout, PrinterPage& page) {
  if (!page.start_document(kPrintDocumentName)) return 0;
  paint_window(game, layout, page.canvas());
  if (!page.end_page()) return 0;
  page.end_document();
  return 1;
}

}  // namespace

int print_boards(Game& game, Layout& layout, PrinterPage* default_printer) {
  if (default_printer == nullptr) return 0;
  const ScreenLayout saved{layout.cell_width, layout.cell_height, layout.legend_rect, layout.update_rect};
  scale_cells_to_page(game, layout, *default_printer);
  const int result = print_page(game, layout, *default_printer);

  layout.cell_width = saved.cell_width;
  layout.cell_height = saved.cell_height;
  layout.legend_rect = saved.legend_rect;
  layout.update_rect = saved.update_rect;
  layout_board_and_panels(layout, game);
  return result;
}

int print_boards(Game& game, Layout& layout, Printers& printers) {
  std::unique_ptr<PrinterPage> page = printers.open_default_printer();
  return print_boards(game, layout, page.get());
}

}  // namespace vornmark
