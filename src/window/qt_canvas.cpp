#include "window/qt_canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <cstdlib>

namespace vornmark {

QColor qt_colour(Colour colour) {
  const Rgb rgb = colour_rgb(colour);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QRect qt_rect(const Rect& rect) { return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top); }

QtCanvas::QtCanvas(QPainter& painter, int vertical_dpi)
    : painter_(painter), vertical_dpi_(vertical_dpi), kept_font_(painter.font()) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

QtCanvas::~QtCanvas() { painter_.setFont(kept_font_); }

void QtCanvas::select_font(int pixel_height) {
  kept_font_ = painter_.font();
  QFont font;  // the default face
  if (pixel_height != 0) font.setPixelSize(std::abs(pixel_height));
  painter_.setFont(font);
}

void QtCanvas::restore_font() { painter_.setFont(kept_font_); }

void QtCanvas::rectangle(const Rect& rect, Colour colour) { fill_and_frame(rect, qt_colour(colour)); }

void QtCanvas::shade(const Rect& rect, Rgb colour) {
  fill_and_frame(rect, QColor(colour.red, colour.green, colour.blue));
}

void QtCanvas::fill_and_frame(const Rect& rect, const QColor& colour) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  painter_.fillRect(QRect(rect.left, rect.top, width, height), colour);
  painter_.setPen(QPen(Qt::black, 0));
  painter_.setBrush(Qt::NoBrush);
  // A one-pixel outline of width w - 1 covers w pixels: the frame stays inside the rectangle.
  painter_.drawRect(QRect(rect.left, rect.top, width - 1, height - 1));
}

QStringList QtCanvas::text_lines(const QString& text, int width, unsigned flags) const {
  if (flags & kTextSingleLine) return {text};
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QStringList paragraphs = plain.split(QLatin1Char('\n'));
  if (!(flags & kTextWordBreak)) return paragraphs;

  // Breaks at blanks, the blank at a break belonging to neither line; a word wider than the
  // rectangle keeps a line of its own and is clipped.
  const QFontMetrics metrics(painter_.font(), painter_.device());
  QStringList lines;
  for (const QString& paragraph : paragraphs) {
    QString line;
    qsizetype start = 0;
    while (start <= paragraph.size()) {
      qsizetype end = paragraph.indexOf(QLatin1Char(' '), start);
      const bool last = end < 0;
      if (last) end = paragraph.size();
      const QString word = paragraph.mid(start, end - start);
      const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
        lines << line;
        line = word;
      } else {
        line = candidate;
      }
      start = end + 1;
      if (last) break;
    }
    lines << line;
  }
  return lines;
}

void QtCanvas::draw_text(std::string_view text, const Rect& rect, unsigned flags) {
  if (text.empty()) return;
  const QRect area = qt_rect(rect);
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetrics metrics(painter_.font(), painter_.device());
  const int line_height = metrics.height();
  const QStringList lines = text_lines(string, area.width(), flags);

  int y = area.top();
  if (flags & kTextSingleLine) {
    // Vertical placement applies to single-line text only; other text starts at the top.
    if (flags & kTextBottom)
      y = area.top() + area.height() - line_height;
    else if (flags & kTextVCenter)
      y = area.top() + (area.height() - line_height) / 2;
  }

  painter_.save();
  painter_.setClipRect(area, Qt::IntersectClip);
  painter_.setPen(Qt::black);
  for (const QString& line : lines) {
    const int line_width = metrics.horizontalAdvance(line);
    int x = area.left();
    if (flags & kTextCenter)
      x = area.left() + (area.width() - line_width) / 2;
    else if (flags & kTextRight)
      x = area.left() + area.width() - line_width;
    if (line_width > 0) {
      painter_.fillRect(QRect(x, y, line_width, line_height), text_background_);
      painter_.drawText(QPoint(x, y + metrics.ascent()), line);
    }
    y += line_height;
  }
  painter_.restore();
}

}  // namespace vornmark
