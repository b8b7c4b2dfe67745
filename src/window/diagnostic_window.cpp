#include "window/diagnostic_window.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include "play/scene.h"
#include "window/qt_canvas.h"

namespace vornmark {

DiagnosticWindow::DiagnosticWindow(const Scene& scene, QWidget* parent) : QWidget(parent), scene_(scene) {
  setWindowTitle(tr("Diagnostic"));
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  const QFontMetrics metrics(font());
  line_height_ = metrics.height() + metrics.leading();
  setCursor(Qt::ArrowCursor);
}

void DiagnosticWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), qt_colour(Colour::LightCyan));
  painter.setFont(font());
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::TransparentMode);
  const QFontMetrics metrics(font());
  int y = 0;
  // The first empty line ends the buffer.
  for (const std::string& line : scene_.diagnostic_lines) {
    if (line.empty()) break;
    painter.drawText(QPoint(0, y + metrics.ascent()), QString::fromStdString(line));
    y += line_height_;
  }
}

}  // namespace vornmark
