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
  metrics_.reset();
}

void QtCanvas::restore_font() {
  painter_.setFont(kept_font_);
  metrics_.reset();
}

const QFontMetrics& QtCanvas::metrics() {
  if (!metrics_) metrics_.emplace(painter_.font(), painter_.device());
  return *metrics_;
}

void QtCanvas::rectangle(const Rect& rect, Colour colour) { fill_and_frame(rect, qt_colour(colour)); }

void QtCanvas::shade(const Rect& rect, Rgb colour) {
  fill_and_frame(rect, QColor(colour.red, colour.green, colour.blue));
}

void QtCanvas::fill_and_frame(const Rect& rect, const QColor& colour) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  painter_.fillRect(QRect(rect.left, rect.top, width, height), colour);
  use_pen(Pen::Frame);
  // A one-pixel outline of width w - 1 covers w pixels: the frame stays inside the rectangle.
  painter_.drawRect(QRect(rect.left, rect.top, width - 1, height - 1));
}

QStringList QtCanvas::text_lines(const QString& text, int width, unsigned flags) {
  if (flags & kTextSingleLine) return {text};
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QStringList paragraphs = plain.split(QLatin1Char('\n'));
  if (!(flags & kTextWordBreak)) return paragraphs;

  // Breaks at blanks, the blank at a break belonging to neither line; a word wider than the
  // rectangle keeps a line of its own and is clipped.
  const QFontMetrics& metrics = this->metrics();
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
  const QFontMetrics& metrics = this->metrics();
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

  // Clipped to the rectangle. Painting leaves the painter without a clip of its own, so the clip
  // is set and dropped again here rather than saving and restoring the painter's whole state.
  const bool had_clip = painter_.hasClipping();
  if (had_clip) painter_.save();
  painter_.setClipRect(area, had_clip ? Qt::IntersectClip : Qt::ReplaceClip);
  use_pen(Pen::Text);
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
  if (had_clip) {
    painter_.restore();
    pen_ = Pen::Unknown;
  } else {
    painter_.setClipping(false);
  }
}

// Thousands of cells a paint: the pen changes only when it must.
void QtCanvas::use_pen(Pen pen) {
  if (pen == pen_) return;
  if (pen == Pen::Frame) {
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(Qt::NoBrush);
  } else {
    painter_.setPen(Qt::black);
  }
  pen_ = pen;
}

}  // namespace vornmark
