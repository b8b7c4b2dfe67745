#pragma once
// Draws the program's icon at one size from its scalable pictures: the small picture for sizes
// up to 32 pixels, the full one above.

#include <QImage>
#include <QString>

namespace vornmark::testing {

// The picture an icon of this size is drawn from, inside the resources folder.
QString icon_source_for(int size);
// The icon rendered at size x size from the SVG file; a null image when the file cannot be read.
QImage render_icon(const QString& svg_file, int size);

}  // namespace vornmark::testing
