#include "window/desktop_look.h"

namespace vornmark {

bool palette_is_dark(const QPalette& palette) { return palette.color(QPalette::Window).lightnessF() < 0.5; }

QString dark_help_style() {
  return QStringLiteral(
      "\nbody { color: #e8eaed; background: #202124; }\n"
      "h1, h2 { color: #7fd6d6; }\n"
      "th { background: #3c4043; color: #e8eaed; }\n"
      "a { color: #8ab4f8; }\n");
}

}  // namespace vornmark
