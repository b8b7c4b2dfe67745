// The Qt canvas draws as the game's painting expects: frames inside their rectangles, text on
// an opaque box of the text background, placed and wrapped by the flags and clipped to its
// rectangle; and the diagnostic window draws its lines on LightCyan.

#include <QImage>
#include <QPainter>
#include <QTest>

#include "window/diagnostic_window.h"
#include "window/qt_canvas.h"
#include "window_test_support.h"

using namespace vornmark;
using namespace vornmark::testing;

namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kPaper{255, 255, 255};

QImage blank(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

bool is_ink(const QColor& colour) { return std::max({colour.red(), colour.green(), colour.blue()}) < 90; }

// The bounding box of the near-black pixels of the text.
QRect ink_box(const QImage& image, const QRect& area) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      if (is_ink(image.pixelColor(x, y))) box |= QRect(x, y, 1, 1);
    }
  return box;
}

int count_of(const QImage& image, const QRect& area, Rgb wanted) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += pixel_rgb(image, {x, y}) == wanted;
  return count;
}

constexpr int kDpi = 96;
const int kFontHeight = font_pixel_height(kDpi);

}  // namespace

class CanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void rectangle_is_framed_inside_its_edges();
  void text_sits_on_an_opaque_box_of_the_text_background();
  void single_line_text_is_placed_by_the_flags();
  void other_text_wraps_at_blanks_and_line_ends_from_the_top();
  void text_is_clipped_to_its_rectangle();
  void font_is_selected_and_restored();
  void diagnostic_window_draws_its_lines_on_light_cyan();
};

void CanvasTest::rectangle_is_framed_inside_its_edges() {
  QImage image = blank(40, 30);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, kDpi);
    canvas.rectangle({10, 5, 20, 15}, Colour::Red);
    canvas.rectangle({20, 5, 30, 15}, Colour::Teal);  // the neighbour shares no pixel
    canvas.rectangle({5, 20, 5, 28}, Colour::Red);    // empty: nothing drawn
  }
  for (QPoint frame : {QPoint(10, 5), QPoint(19, 5), QPoint(10, 14), QPoint(19, 14), QPoint(15, 5), QPoint(10, 9)})
    QCOMPARE(pixel_rgb(image, frame), kBlack);
  QCOMPARE(pixel_rgb(image, {11, 6}), colour_rgb(Colour::Red));
  QCOMPARE(pixel_rgb(image, {18, 13}), colour_rgb(Colour::Red));
  QCOMPARE(pixel_rgb(image, {21, 6}), colour_rgb(Colour::Teal));
  QCOMPARE(pixel_rgb(image, {20, 6}), kBlack);
  QCOMPARE(pixel_rgb(image, {15, 15}), kPaper);  // below the bottom edge
  QCOMPARE(pixel_rgb(image, {9, 9}), kPaper);
  QCOMPARE(count_of(image, QRect(0, 18, 40, 12), kPaper), 40 * 12);
}

void CanvasTest::text_sits_on_an_opaque_box_of_the_text_background() {
  QImage image = blank(300, 60);
  const Rect area{0, 0, 300, 60};
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, kDpi);
    canvas.select_font(kFontHeight);
    canvas.set_text_background(Colour::Teal);
    // The trailing blanks belong to the text and to its box.
    canvas.draw_text("Shots left:  3      ", area, kTextWordBreak);
  }
  const QRect ink = ink_box(image, QRect(0, 0, 300, 60));
  QVERIFY(!ink.isEmpty());
  QCOMPARE(ink.left() < 5, true);
  QCOMPARE(pixel_rgb(image, {ink.right() + 4, ink.top() + 1}), colour_rgb(Colour::Teal));  // a blank's box
  QCOMPARE(pixel_rgb(image, {299, 1}), kPaper);  // beyond the text the rectangle stays as it was
  QCOMPARE(pixel_rgb(image, {2, 59}), kPaper);   // below the only line
  QVERIFY(count_of(image, QRect(0, 0, 300, 60), colour_rgb(Colour::Teal)) > 100);
}

void CanvasTest::single_line_text_is_placed_by_the_flags() {
  const Rect cell{0, 0, 100, 80};
  auto ink_of = [&](unsigned flags) {
    QImage image = blank(100, 80);
    QPainter painter(&image);
    QtCanvas canvas(painter, kDpi);
    canvas.select_font(kFontHeight);
    canvas.set_text_background(Colour::White);
    canvas.draw_text("12", cell, flags);
    painter.end();
    return ink_box(image, QRect(0, 0, 100, 80));
  };
  const QRect top_left = ink_of(kTextSingleLine);
  const QRect bottom_centre = ink_of(kTextSingleLine | kTextBottom | kTextCenter);
  const QRect middle_right = ink_of(kTextSingleLine | kTextVCenter | kTextRight);
  const QRect not_single = ink_of(kTextVCenter | kTextCenter);  // vertical placement needs a single line

  QVERIFY(top_left.top() < 20 && top_left.left() < 5);
  QVERIFY(bottom_centre.bottom() > 60);
  QVERIFY(std::abs((bottom_centre.left() + bottom_centre.right()) / 2 - 50) <= 3);
  QVERIFY(middle_right.right() >= 94);
  QVERIFY(std::abs((middle_right.top() + middle_right.bottom()) / 2 - 40) <= 4);
  QCOMPARE(not_single.top(), top_left.top());
  QVERIFY(std::abs((not_single.left() + not_single.right()) / 2 - 50) <= 3);
}

void CanvasTest::other_text_wraps_at_blanks_and_line_ends_from_the_top() {
  auto rows_with_ink = [](const QImage& image) {
    int rows = 0;
    bool in_line = false;
    for (int y = 0; y < image.height(); ++y) {
      bool ink = false;
      for (int x = 0; x < image.width(); ++x) ink = ink || is_ink(image.pixelColor(x, y));
      if (ink && !in_line) ++rows;
      in_line = ink;
    }
    return rows;
  };
  auto draw = [](const char* text, unsigned flags, int width) {
    QImage image = blank(width, 200);
    QPainter painter(&image);
    QtCanvas canvas(painter, kDpi);
    canvas.select_font(kFontHeight);
    canvas.draw_text(text, {0, 0, width, 200}, flags);
    painter.end();
    return image;
  };
  QCOMPARE(rows_with_ink(draw("Place ships.\n[1] one\n[2] two\n[3] three", kTextWordBreak, 400)), 4);
  QCOMPARE(rows_with_ink(draw("Click here to see what you hit", kTextWordBreak | kTextCenter, 60)) >= 3, true);
  QCOMPARE(rows_with_ink(draw("Click here to see what you hit", kTextWordBreak, 400)), 1);
  QCOMPARE(rows_with_ink(draw("one\ntwo", kTextSingleLine, 400)), 1);
}

void CanvasTest::text_is_clipped_to_its_rectangle() {
  QImage image = blank(200, 60);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, kDpi);
    canvas.select_font(kFontHeight);
    canvas.set_text_background(Colour::Orange);
    canvas.draw_text("Congratulations, Captain", {20, 10, 60, 30}, kTextSingleLine);
  }
  QCOMPARE(ink_box(image, QRect(0, 0, 200, 60)).right() < 60, true);
  QCOMPARE(count_of(image, QRect(60, 0, 140, 60), colour_rgb(Colour::Orange)), 0);
  QCOMPARE(count_of(image, QRect(0, 0, 20, 60), colour_rgb(Colour::Orange)), 0);
  QVERIFY(count_of(image, QRect(20, 10, 40, 20), colour_rgb(Colour::Orange)) > 0);
}

void CanvasTest::font_is_selected_and_restored() {
  QImage image = blank(10, 10);
  QPainter painter(&image);
  QFont original = painter.font();
  original.setPixelSize(31);
  painter.setFont(original);
  {
    QtCanvas canvas(painter, 600);
    QCOMPARE(canvas.vertical_resolution(), 600);
    canvas.select_font(font_pixel_height(600));
    QCOMPARE(painter.font().pixelSize(), 67);
    canvas.restore_font();
    QCOMPARE(painter.font().pixelSize(), 31);
  }
}

void CanvasTest::diagnostic_window_draws_its_lines_on_light_cyan() {
  Scene scene;
  DiagnosticWindow window(scene);
  window.resize(1400, 200);
  QVERIFY(window.line_height() > 0);

  QImage empty = window.grab().toImage();
  QCOMPARE(count_of(empty, empty.rect(), colour_rgb(Colour::LightCyan)), empty.width() * empty.height());

  const std::string long_line = std::string(98, 'x') + "W";  // 99 characters
  scene.diagnostic_lines = {"first", long_line, "", "after the end"};
  QImage drawn = window.grab().toImage();
  const int line = window.line_height();
  const QRect first = ink_box(drawn, QRect(0, 0, 1400, line));
  const QRect second = ink_box(drawn, QRect(0, line, 1400, line));
  QVERIFY(!first.isEmpty());
  QCOMPARE(first.left() <= 2, true);
  QVERIFY(second.width() > first.width() * 10);                                 // the 99 characters drawn whole
  QCOMPARE(ink_box(drawn, QRect(0, 2 * line, 1400, 200 - 2 * line)), QRect());  // the empty line ends them
  QCOMPARE(pixel_rgb(drawn, {1399, 199}), colour_rgb(Colour::LightCyan));
}

QTEST_MAIN(CanvasTest)
#include "canvas_test.moc"
