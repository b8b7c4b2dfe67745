#include "icon_renderer.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vornmark::testing {

QString icon_source_for(int size) {
  return size <= 32 ? QStringLiteral("icons/tarnquil-small.svg") : QStringLiteral("icons/tarnquil.svg");
}

QImage render_icon(const QString& svg_file, int size) {
  QSvgRenderer renderer(svg_file);
  if (!renderer.isValid()) return {};
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  return image;
}

}  // namespace vornmark::testing
