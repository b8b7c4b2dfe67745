#include "window/qt_printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

namespace vornmark {

QtPrinterPage::QtPrinterPage(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

QtPrinterPage::~QtPrinterPage() {
  // A document whose page was refused is abandoned, not sent.
  if (painter_.isActive()) {
    printer_->abort();
    painter_.end();
  }
}

int QtPrinterPage::printable_width() const { return printer_->width(); }

int QtPrinterPage::printable_height() const { return printer_->height(); }

bool QtPrinterPage::start_document(std::string_view name) {
  printer_->setDocName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (!painter_.begin(printer_.get())) return false;
  // The 8-point font at the printer's own resolution, so text keeps its size on paper.
  canvas_ = std::make_unique<QtCanvas>(painter_, printer_->logicalDpiY());
  return true;
}

bool QtPrinterPage::end_page() { return painter_.isActive() && printer_->printerState() != QPrinter::Error; }

void QtPrinterPage::end_document() {
  canvas_.reset();
  painter_.end();
}

std::unique_ptr<PrinterPage> QtPrinters::open_default_printer() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  if (!printer->isValid()) return nullptr;
  return std::make_unique<QtPrinterPage>(std::move(printer));
}

PdfPrinters::PdfPrinters(QString file, QSizeF page_inches, int dots_per_inch)
    : file_(std::move(file)), page_inches_(page_inches), dots_per_inch_(dots_per_inch) {}

std::unique_ptr<PrinterPage> PdfPrinters::open_default_printer() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(file_);
  printer->setResolution(dots_per_inch_);
  printer->setPageSize(QPageSize(page_inches_, QPageSize::Inch));
  printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
  printer->setFullPage(true);
  return std::make_unique<QtPrinterPage>(std::move(printer));
}

}  // namespace vornmark
