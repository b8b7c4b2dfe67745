#include "window/sight_cursor.h"

#include <QBitmap>
#include <QImage>
#include <QPixmap>
#include <cmath>

namespace vornmark {

namespace {

// The sight's black pixels on their white halo, the rest clear, as a cursor bitmap and mask mean.
QImage sight_image(const QBitmap& sight, const QBitmap& mask) {
  const QImage ink = sight.toImage();
  const QImage shape = mask.toImage();
  QImage image(sight.size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const bool in_mask = shape.pixelIndex(x, y) == 1;
      if (in_mask) image.setPixel(x, y, ink.pixelIndex(x, y) == 1 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
  return image;
}

}  // namespace

std::optional<QCursor> load_sight_cursor(qreal device_pixel_ratio) {
  const QBitmap sight(QStringLiteral(":/cursor/tarnquil.xbm"));
  const QBitmap mask(QStringLiteral(":/cursor/tarnquil-mask.xbm"));
  const QSize size(kSightSize, kSightSize);
  if (sight.isNull() || mask.isNull() || sight.size() != size || mask.size() != size) return std::nullopt;
  if (!(device_pixel_ratio > 1.0)) return QCursor(sight, mask, kSightHotSpot, kSightHotSpot);
  // Each pixel of the bitmap becomes a block of device pixels: no smoothing to blur the lines.
  const int side = static_cast<int>(std::lround(kSightSize * device_pixel_ratio));
  QPixmap scaled =
      QPixmap::fromImage(sight_image(sight, mask).scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  scaled.setDevicePixelRatio(device_pixel_ratio);
  return QCursor(scaled, kSightHotSpot, kSightHotSpot);
}

}  // namespace vornmark
