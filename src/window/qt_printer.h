#pragma once
// Printing on Qt: a page on a QPrinter (the system's default printer, without a dialog, or a
// PDF file), drawn through the same canvas as the screen at the printer's resolution.

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>

#include "presentation/printing.h"
#include "window/qt_canvas.h"

namespace vornmark {

class QtPrinterPage : public PrinterPage {
 public:
  explicit QtPrinterPage(std::unique_ptr<QPrinter> printer);
  ~QtPrinterPage() override;
  QtPrinterPage(const QtPrinterPage&) = delete;
  QtPrinterPage& operator=(const QtPrinterPage&) = delete;

  int printable_width() const override;
  int printable_height() const override;
  bool start_document(std::string_view name) override;
  bool end_page() override;
  void end_document() override;
  Canvas& canvas() override { return *canvas_; }

  QPrinter& printer() { return *printer_; }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  std::unique_ptr<QtCanvas> canvas_;
};

// The system's printers through Qt's print support: the default printer, or none.
class QtPrinters : public Printers {
 public:
  std::unique_ptr<PrinterPage> open_default_printer() override;
};

// Printing into a PDF file instead of a printer: a page of the given size in inches, without
// margins, at the given resolution in dots per inch.
class PdfPrinters : public Printers {
 public:
  PdfPrinters(QString file, QSizeF page_inches, int dots_per_inch);
  std::unique_ptr<PrinterPage> open_default_printer() override;

 private:
  QString file_;
  QSizeF page_inches_;
  int dots_per_inch_;
};

}  // namespace vornmark
