#include "window/program_icon.h"

namespace vornmark {

QIcon program_icon() {
  QIcon icon;
  for (int size : kIconSizes) icon.addFile(QStringLiteral(":/icons/tarnquil-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace vornmark
