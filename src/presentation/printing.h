#pragma once
// Printing one page of what the window shows: the grid's cells are made square and scaled to
// the printable area of a copy of the screen's layout, and the same painting runs on the
// printer's canvas. The desktop program supplies the printer.

#include <memory>
#include <string_view>

namespace vornmark {

class Canvas;
class Match;
struct Layout;
struct Scene;

// One document of one page on a printer.
class PrinterPage {
 public:
  virtual ~PrinterPage() = default;

  // The printable area in device pixels.
  virtual int printable_width() const = 0;
  virtual int printable_height() const = 0;
  // Starts a document under this name; false when the printer refuses it.
  virtual bool start_document(std::string_view name) = 0;
  // Ends the page drawn on canvas(); false when the printer refuses it.
  virtual bool end_page() = 0;
  // Ends the document; called only after end_page succeeded.
  virtual void end_document() = 0;
  // Where the page is drawn; its vertical_resolution is the printer's.
  virtual Canvas& canvas() = 0;
};

// The system's printers, as the platform sees them.
class Printers {
 public:
  virtual ~Printers() = default;
  // A page on the default printer, or null when there is none (or it cannot be opened).
  // Dropping the page releases the printer.
  virtual std::unique_ptr<PrinterPage> open_default_printer() = 0;
};

inline constexpr std::string_view kPrintDocumentName = "Vornmark: printing";

// The screen's layout with the grid's cells made square and scaled to the page: the ship panels
// and the status button keep their screen sizes, in the printer's pixels.
Layout page_layout(const Match& match, const Layout& screen, int printable_width, int printable_height);

// Prints one page: 1 when it was sent, 0 otherwise (no printer, document or page refused).
int print_boards(const Match& match, const Scene& scene, const Layout& screen, PrinterPage* default_printer);
// The same on the default printer, which is released on return.
int print_boards(const Match& match, const Scene& scene, const Layout& screen, Printers& printers);

}  // namespace vornmark
