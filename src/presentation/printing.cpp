#include "presentation/printing.h"

#include <algorithm>
#include <cstdint>

#include "presentation/layout.h"
#include "presentation/painting.h"
#include "setup/match.h"

namespace vornmark {

Layout page_layout(const Match& match, const Layout& screen, int printable_width, int printable_height) {
  const int n = match.settings().MaxCells;
  Layout page = screen;
  page.cell_width = static_cast<std::int16_t>(printable_width / (n + 5));
  page.cell_height = static_cast<std::int16_t>(printable_height / (n + 1));
  const std::int16_t square = std::min(page.cell_width, page.cell_height);
  page.cell_width = square;
  page.cell_height = square;
  layout_board_and_panels(page, match);
  return page;
}

int print_boards(const Match& match, const Scene& scene, const Layout& screen, PrinterPage* default_printer) {
  if (default_printer == nullptr) return 0;
  const Layout page =
      page_layout(match, screen, default_printer->printable_width(), default_printer->printable_height());
  if (!default_printer->start_document(kPrintDocumentName)) return 0;
  paint_window(match, scene, page, default_printer->canvas());
  if (!default_printer->end_page()) return 0;
  default_printer->end_document();
  return 1;
}

int print_boards(const Match& match, const Scene& scene, const Layout& screen, Printers& printers) {
  std::unique_ptr<PrinterPage> page = printers.open_default_printer();
  return print_boards(match, scene, screen, page.get());
}

}  // namespace vornmark
