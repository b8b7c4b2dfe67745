#include "window/qt_canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cstdlib>

#include "window/game_wording.h"

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

void QtCanvas::fill_and_frame(const Rect& rect, const QColor& colour, const QColor& frame) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  painter_.fillRect(QRect(rect.left, rect.top, width, height), colour);
  if (frame == Qt::black) {
    use_pen(Pen::Frame);
  } else if (pen_ != Pen::SchemeFrame || scheme_frame_ != frame) {
    painter_.setPen(QPen(frame, 0));
    painter_.setBrush(Qt::NoBrush);
    scheme_frame_ = frame;
    pen_ = Pen::SchemeFrame;
  }
  // A one-pixel outline of width w - 1 covers w pixels: the frame stays inside the rectangle.
  painter_.drawRect(QRect(rect.left, rect.top, width - 1, height - 1));
}

namespace {

QColor qt_rgb(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

}  // namespace

void QtCanvas::fill_rect(const Rect& rect, Rgb fill, Rgb frame) { fill_and_frame(rect, qt_rgb(fill), qt_rgb(frame)); }

void QtCanvas::set_text_background(Colour colour) {
  text_background_ = qt_colour(colour);
  if (text_colour_ != Qt::black) {
    text_colour_ = Qt::black;
    pen_ = Pen::Unknown;
  }
}

void QtCanvas::set_ink(Rgb text, Rgb background) {
  text_background_ = qt_rgb(background);
  if (text_colour_ != qt_rgb(text)) {
    text_colour_ = qt_rgb(text);
    pen_ = Pen::Unknown;
  }
}

namespace {

// A mark drawn smooth (the only antialiased drawing of the game) into an area.
void draw_mark_shape(QPainter& painter, const QRectF& area, Mark mark, const QColor& ink, const QColor& edge) {
  const qreal side = std::min(area.width(), area.height());
  painter.setRenderHint(QPainter::Antialiasing, true);
  const auto stroke = [&](qreal fraction, Qt::PenCapStyle cap = Qt::RoundCap) {
    painter.setPen(QPen(ink, std::max<qreal>(1.0, side * fraction), Qt::SolidLine, cap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
  };
  switch (mark) {
    case Mark::Ring: {
      stroke(0.07);
      const qreal radius = side * 0.37;
      painter.drawEllipse(area.center(), radius, radius);
      break;
    }
    case Mark::Frame: {
      const qreal thickness = std::max<qreal>(2.0, side * 0.12);
      stroke(0.12, Qt::SquareCap);
      const qreal inset = 1.0 + thickness / 2;
      painter.drawRect(area.adjusted(inset, inset, -inset, -inset));
      break;
    }
    case Mark::Hatch: {
      stroke(0.06);
      const qreal step = std::max<qreal>(4.0, side / 4);
      for (qreal offset = -area.height(); offset < area.width(); offset += step)
        painter.drawLine(QPointF(area.left() + offset, area.bottom()),
                         QPointF(area.left() + offset + area.height(), area.top()));
      break;
    }
    case Mark::Hull: {
      stroke(0.07);
      const qreal inset = side * 0.16;
      painter.drawRoundedRect(area.adjusted(inset, inset, -inset, -inset), side * 0.18, side * 0.18);
      break;
    }
    case Mark::Cross: {
      stroke(0.12);
      const qreal inset = side * 0.2;
      const QRectF inner = area.adjusted(inset, inset, -inset, -inset);
      painter.drawLine(inner.topLeft(), inner.bottomRight());
      painter.drawLine(inner.topRight(), inner.bottomLeft());
      break;
    }
    case Mark::Diamond: {
      const QPointF centre = area.center();
      const qreal half = side / 2 - 0.5;
      const QPointF points[] = {{centre.x(), centre.y() - half},
                                {centre.x() + half, centre.y()},
                                {centre.x(), centre.y() + half},
                                {centre.x() - half, centre.y()}};
      painter.setPen(QPen(edge, std::max<qreal>(1.0, side / 8)));
      painter.setBrush(ink);
      painter.drawPolygon(points, 4);
      break;
    }
    case Mark::Block:
      painter.fillRect(area, ink);
      break;
  }
}

}  // namespace

void QtCanvas::mark(const Rect& rect, Mark mark, Rgb colour, Rgb edge) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 2 || height <= 2) return;
  if (mark == Mark::Block) {
    painter_.fillRect(qt_rect(rect), qt_rgb(colour));
    return;
  }
  // Hundreds of cells carry the same few marks: each is drawn once into an image and then
  // copied, which is far cheaper than stroking smooth shapes cell by cell.
  const MarkKey key{static_cast<int>(mark), width, height, qt_rgb(colour).rgb(), qt_rgb(edge).rgb()};
  auto found = marks_.find(key);
  if (found == marks_.end()) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw_mark_shape(painter, QRectF(0, 0, width, height), mark, qt_rgb(colour), qt_rgb(edge));
    painter.end();
    found = marks_.emplace(key, std::move(image)).first;
  }
  painter_.drawImage(rect.left, rect.top, found->second);
}

QStringList QtCanvas::text_lines(const QString& text, int width, unsigned flags, const QFontMetrics& metrics,
                                 bool break_words) {
  if (flags & kTextSingleLine) return {text};
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QStringList paragraphs = plain.split(QLatin1Char('\n'));
  if (!(flags & kTextWordBreak)) return paragraphs;

  // Breaks at blanks, the blank at a break belonging to neither line; a word wider than the
  // rectangle keeps a line of its own and is clipped. A translation may also break inside a word
  // that fits on no line, as languages written without blanks need.
  QStringList lines;
  for (const QString& paragraph : paragraphs) {
    QString line;
    qsizetype start = 0;
    while (start <= paragraph.size()) {
      qsizetype end = paragraph.indexOf(QLatin1Char(' '), start);
      const bool last = end < 0;
      if (last) end = paragraph.size();
      QString word = paragraph.mid(start, end - start);
      if (!line.isEmpty() && metrics.horizontalAdvance(line + QLatin1Char(' ') + word) > width) {
        lines << line;
        line.clear();
      }
      // A word wider than a whole line: as much of it as fits on each line.
      while (break_words && line.isEmpty() && word.size() > 1 && metrics.horizontalAdvance(word) > width) {
        qsizetype fits = 1;
        while (fits < word.size() && metrics.horizontalAdvance(word.left(fits + 1)) <= width) ++fits;
        // Never between the two halves of a character beyond the first plane.
        if (fits < word.size() && word[fits - 1].isHighSurrogate()) fits += fits == 1 ? 1 : -1;
        lines << word.left(fits);
        word = word.mid(fits);
      }
      line = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      start = end + 1;
      if (last) break;
    }
    lines << line;
  }
  return lines;
}

QSize QtCanvas::text_size(const QStringList& lines, const QFontMetrics& metrics) {
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  // Down to the last line's baseline: a one-line box of the board is as high as the letters
  // without their descenders, in English as in any language.
  return {widest, static_cast<int>(lines.size()) * metrics.height() - metrics.descent()};
}

void QtCanvas::draw_text(std::string_view text, const Rect& rect, unsigned flags) {
  if (text.empty()) return;
  const QRect area = qt_rect(rect);
  const QString english = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QString string = game_text(english);
  // The English keeps its font and its look; a translation that needs more room than the English
  // had is drawn in a smaller font, down to three fifths of it, rather than cut short.
  const bool translated = string != english;
  QStringList lines = text_lines(string, area.width(), flags, metrics(), translated);
  const QFont chosen = painter_.font();
  // The English is drawn as it always was: measured only while the tests watch.
  if (translated || fit_observer_) {
    QSize needed = text_size(lines, metrics());
    if (translated && chosen.pixelSize() > 0 && (needed.width() > area.width() || needed.height() > area.height())) {
      QFont smaller = chosen;
      for (int pixels = chosen.pixelSize() - 1; pixels * 5 >= chosen.pixelSize() * 3; --pixels) {
        smaller.setPixelSize(pixels);
        const QFontMetrics smaller_metrics(smaller, painter_.device());
        lines = text_lines(string, area.width(), flags, smaller_metrics, true);
        needed = text_size(lines, smaller_metrics);
        if (needed.width() <= area.width() && needed.height() <= area.height()) break;
      }
      painter_.setFont(smaller);
      metrics_.reset();
    }
    if (fit_observer_) fit_observer_(TextFit{string, area, needed});
  }
  const QFontMetrics& metrics = this->metrics();
  const int line_height = metrics.height();

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
  if (painter_.font() != chosen) {
    painter_.setFont(chosen);
    metrics_.reset();
  }
}

// Thousands of cells a paint: the pen changes only when it must.
void QtCanvas::use_pen(Pen pen) {
  if (pen == pen_) return;
  if (pen == Pen::Frame) {
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(Qt::NoBrush);
  } else {
    painter_.setPen(text_colour_);
  }
  pen_ = pen;
}

}  // namespace vornmark
