// Writes the icon's PNG files from its scalable pictures:
//   vornmark_render_icons <resources folder>
// The PNGs are kept in the repository; the window tests check that they match these pictures.

#include <QGuiApplication>
#include <cstdio>

#include "icon_renderer.h"
#include "window/program_icon.h"

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s RESOURCES_FOLDER\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  for (int size : vornmark::kIconSizes) {
    const QImage image = vornmark::testing::render_icon(folder + '/' + vornmark::testing::icon_source_for(size), size);
    const QString target = folder + QStringLiteral("/icons/tarnquil-%1.png").arg(size);
    if (image.isNull() || !image.save(target)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
      return 1;
    }
  }
  return 0;
}
