#include "window/dialog_text.h"

#include <QStringList>

namespace vornmark {

QString wrap_to_width(const QString& text, const QFontMetrics& metrics, int width) {
  const QStringList words = text.split(QLatin1Char(' '));
  QString wrapped;
  QString line;
  for (const QString& word : words) {
    const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
      wrapped += line + QLatin1Char('\n');
      line = word;
    } else {
      line = candidate;
    }
  }
  return wrapped + line;
}

}  // namespace vornmark
