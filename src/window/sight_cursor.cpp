#include "window/sight_cursor.h"

#include <QBitmap>

namespace vornmark {

std::optional<QCursor> load_sight_cursor() {
  const QBitmap sight(QStringLiteral(":/cursor/tarnquil.xbm"));
  const QBitmap mask(QStringLiteral(":/cursor/tarnquil-mask.xbm"));
  if (sight.isNull() || mask.isNull() || sight.size() != QSize(32, 32) || mask.size() != sight.size())
    return std::nullopt;
  return QCursor(sight, mask, kSightHotSpot, kSightHotSpot);
}

}  // namespace vornmark
