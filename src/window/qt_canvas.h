#pragma once
// The canvas of the game's painting on a QPainter: a widget, a printer page or an image. It
// draws as the game's painting expects: rectangles filled and framed with a one-pixel black
// pen that covers left to right - 1 and top to bottom - 1, and text in black on an opaque box
// of the current text background, placed and wrapped by the flags.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

#include "presentation/canvas.h"

namespace vornmark {

QColor qt_colour(Colour colour);
// The pixels a game rectangle covers (right and bottom exclusive).
QRect qt_rect(const Rect& rect);

class QtCanvas : public Canvas {
 public:
  // vertical_dpi: the device's vertical resolution, which sizes the 8-point font.
  QtCanvas(QPainter& painter, int vertical_dpi);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  int vertical_resolution() const override { return vertical_dpi_; }
  void select_font(int pixel_height) override;
  void restore_font() override;
  void set_text_background(Colour colour) override;
  void rectangle(const Rect& rect, Colour colour) override;
  void shade(const Rect& rect, Rgb colour) override;
  void draw_text(std::string_view text, const Rect& rect, unsigned flags) override;
  void fill_rect(const Rect& rect, Rgb fill, Rgb frame) override;
  void set_ink(Rgb text, Rgb background) override;
  void mark(const Rect& rect, Mark mark, Rgb colour, Rgb edge) override;

  // What each text drawn needed against the room it had, in the player's language: the tests of
  // every language watch for text cut short.
  struct TextFit {
    QString text;
    QRect area;
    QSize needed;
  };
  void watch_fit(std::function<void(const TextFit&)> observer) { fit_observer_ = std::move(observer); }

 private:
  enum class Pen { Unknown, Frame, SchemeFrame, Text };
  void use_pen(Pen pen);
  // The metrics of the font in use on the painter's device, made once per font.
  const QFontMetrics& metrics();
  void fill_and_frame(const Rect& rect, const QColor& colour, const QColor& frame = Qt::black);
  static QStringList text_lines(const QString& text, int width, unsigned flags, const QFontMetrics& metrics,
                                bool break_words);
  static QSize text_size(const QStringList& lines, const QFontMetrics& metrics);

  QPainter& painter_;
  int vertical_dpi_;
  QFont kept_font_;
  QColor text_background_{Qt::white};
  QColor text_colour_{Qt::black};
  QColor scheme_frame_;  // the frame's colour while the pen is SchemeFrame
  // The marks drawn so far, by shape, size and colours.
  using MarkKey = std::tuple<int, int, int, QRgb, QRgb>;
  std::map<MarkKey, QImage> marks_;
  std::optional<QFontMetrics> metrics_;
  Pen pen_ = Pen::Unknown;
  std::function<void(const TextFit&)> fit_observer_;
};

}  // namespace vornmark
