#pragma once
// Line breaks for the texts of multi-line buttons, which Qt's buttons do not wrap themselves.

#include <QFontMetrics>
#include <QString>

namespace vornmark {

// The text with its blanks turned into line breaks wherever a line would grow wider than
// `width` pixels; a single word wider than that keeps a line of its own.
QString wrap_to_width(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace vornmark
