#pragma once
// The desktop's light or dark preference, read from the palette (Qt 6.4 has no colour-scheme
// call): the help pages and the statistics chart follow it, and follow it again when the
// palette changes.

#include <QColor>
#include <QPalette>
#include <QString>

namespace vornmark {

// Dark when the window ground of the palette is darker than mid grey.
bool palette_is_dark(const QPalette& palette);
// What the help pages' style sheet gains on a dark desktop: light text and headings, dark tables.
QString dark_help_style();

}  // namespace vornmark
