#include "window/first_start_guide.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

#include "setup/settings.h"

namespace vornmark {

namespace {

const QColor kCard(252, 252, 249);
const QColor kCardEdge(120, 120, 120);
const QColor kShadow(0, 0, 0, 40);
const QColor kHeading(20, 52, 82);
const QColor kText(30, 30, 30);
const QColor kQuiet(90, 90, 90);
const QColor kBadge(0, 128, 128);  // the Teal of the player's turn
const QColor kKeyFill(236, 236, 236);
const QColor kKeyEdge(140, 140, 140);

// The step that starts a game; its detail begins "Choose File/New Game, then".
GuideStep play_step(const GuideKeys& keys, const QString& detail) {
  return {QCoreApplication::translate("FirstStartGuide", "Start a game"), keys.new_game, detail};
}

// The card's parts measured for one size of type.
class CardLayout {
 public:
  CardLayout(const QFont& base_font, int base, int width) : base_(base), width_(width) {
    heading_font_ = base_font;
    heading_font_.setPixelSize(base * 3 / 2);
    heading_font_.setBold(true);
    text_font_ = base_font;
    text_font_.setPixelSize(base);
    title_font_ = text_font_;
    title_font_.setBold(true);
    key_font_ = base_font;
    key_font_.setPixelSize(std::max(8, base * 9 / 10));
    key_font_.setBold(true);
    small_font_ = base_font;
    small_font_.setPixelSize(std::max(8, base * 7 / 8));
  }

  int padding() const { return base_ * 3 / 2; }
  int badge() const { return base_ * 2; }
  int inner_width() const { return width_ - 2 * padding(); }
  int step_text_width() const { return inner_width() - badge() - base_; }
  int gap() const { return base_ * 4 / 5; }

  // The height of wrapped text in a font over a width.
  static int wrapped_height(const QFont& font, const QString& text, int width) {
    if (text.isEmpty()) return 0;
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text).height();
  }

  // The title's line is centred on the badge.
  int title_top() const { return (badge() - QFontMetrics(title_font_).height()) / 2; }
  int step_height(const GuideStep& step) const {
    const int text = title_top() + QFontMetrics(title_font_).height() + base_ / 4 +
                     wrapped_height(text_font_, step.detail, step_text_width());
    return std::max(badge(), text);
  }

  int height(const FirstStartGuide& guide) const {
    int total = 2 * padding() + QFontMetrics(heading_font_).height() + gap() +
                wrapped_height(text_font_, guide.intro, inner_width()) + gap();
    for (const GuideStep& step : guide.steps) total += step_height(step) + gap();
    total += gap() + wrapped_height(small_font_, guide.footer, inner_width());
    return total;
  }

  void paint(QPainter& painter, const FirstStartGuide& guide, const QRect& card) const {
    const qreal radius = base_ * 0.8;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kShadow);
    painter.drawRoundedRect(QRectF(card).translated(base_ / 4.0, base_ / 3.0), radius, radius);
    painter.setPen(QPen(kCardEdge, 1));
    painter.setBrush(kCard);
    painter.drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    const int left = card.left() + padding();
    int y = card.top() + padding();
    painter.setFont(heading_font_);
    painter.setPen(kHeading);
    const int heading_height = QFontMetrics(heading_font_).height();
    painter.drawText(QRect(left, y, inner_width(), heading_height), Qt::AlignLeft | Qt::AlignVCenter, guide.heading);
    y += heading_height + gap();

    painter.setFont(text_font_);
    painter.setPen(kText);
    const int intro_height = wrapped_height(text_font_, guide.intro, inner_width());
    painter.drawText(QRect(left, y, inner_width(), intro_height), Qt::TextWordWrap, guide.intro);
    y += intro_height + gap();

    for (std::size_t i = 0; i < guide.steps.size(); ++i) {
      paint_step(painter, guide.steps[i], static_cast<int>(i) + 1, left, y);
      y += step_height(guide.steps[i]) + gap();
    }

    painter.setPen(QPen(QColor(210, 210, 205), 1));
    painter.drawLine(left, y + gap() / 2, left + inner_width(), y + gap() / 2);
    y += gap();
    painter.setFont(small_font_);
    painter.setPen(kQuiet);
    painter.drawText(QRect(left, y, inner_width(), wrapped_height(small_font_, guide.footer, inner_width())),
                     Qt::TextWordWrap, guide.footer);
  }

 private:
  void paint_step(QPainter& painter, const GuideStep& step, int number, int left, int top) const {
    // The badge at the step's top, the text from the title's line down.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBadge);
    const QRect badge_rect(left, top, badge(), badge());
    painter.drawEllipse(badge_rect);
    painter.setFont(title_font_);
    painter.setPen(Qt::white);
    painter.drawText(badge_rect, Qt::AlignCenter, QString::number(number));

    const int text_left = left + badge() + base_;
    const QFontMetrics title_metrics(title_font_);
    const int title_height = title_metrics.height();
    top += title_top();
    painter.setPen(kText);
    painter.drawText(QRect(text_left, top, step_text_width(), title_height), Qt::AlignLeft | Qt::AlignVCenter,
                     step.title);
    if (!step.keys.isEmpty()) {
      const QFontMetrics key_metrics(key_font_);
      const int key_width = key_metrics.horizontalAdvance(step.keys) + base_;
      const QRect key_rect(text_left + title_metrics.horizontalAdvance(step.title) + base_ * 2 / 3, top, key_width,
                           title_height);
      painter.setPen(QPen(kKeyEdge, 1));
      painter.setBrush(kKeyFill);
      painter.drawRoundedRect(QRectF(key_rect).adjusted(0.5, 0.5, -0.5, -0.5), base_ / 4.0, base_ / 4.0);
      painter.setFont(key_font_);
      painter.setPen(kText);
      painter.drawText(key_rect, Qt::AlignCenter, step.keys);
    }
    painter.setFont(text_font_);
    painter.setPen(kQuiet);
    const int detail_top = top + title_height + base_ / 4;
    painter.drawText(
        QRect(text_left, detail_top, step_text_width(), wrapped_height(text_font_, step.detail, step_text_width())),
        Qt::TextWordWrap, step.detail);
  }

  int base_;
  int width_;
  QFont heading_font_;
  QFont text_font_;
  QFont title_font_;
  QFont key_font_;
  QFont small_font_;
};

}  // namespace

FirstStartGuide first_start_guide(const GameSettings& settings, const GuideKeys& keys) {
  FirstStartGuide guide;
  guide.heading = QCoreApplication::translate("FirstStartGuide", "Welcome to Vornmark");
  //: %1 is the help's key.
  guide.footer = QCoreApplication::translate("FirstStartGuide",
                                             "%1 opens the help on the whole game. A game in progress is kept "
                                             "when you quit and goes on at the next start.")
                     .arg(keys.help);
  if (settings.DefenseMode != 0) {
    guide.intro = QCoreApplication::translate("FirstStartGuide",
                                              "Offense mode: Vornmark hides four ships and does not fire back.");
    guide.steps.push_back(
        play_step(keys, QCoreApplication::translate("FirstStartGuide",
                                                    "Choose File/New Game, then click squares of the grid to fire your "
                                                    "volley, and sink the fleet in as few volleys as you can.")));
  } else if (settings.AutomaticMode != 0) {
    guide.intro = QCoreApplication::translate("FirstStartGuide",
                                              "Find and sink Vornmark's four hidden ships before it sinks yours.");
    guide.steps.push_back(
        {QCoreApplication::translate("FirstStartGuide", "Lay out your fleet"), keys.place,
         QCoreApplication::translate("FirstStartGuide",
                                     "Choose File/Place, then click “Click here to Scatter” at the bottom "
                                     "left for a random layout, or pick a ship's panel and click the grid.")});
    guide.steps.push_back(
        play_step(keys, QCoreApplication::translate("FirstStartGuide",
                                                    "Choose File/New Game, then click squares of the grid to fire your "
                                                    "volley. Vornmark works out its hits on your fleet by itself.")));
  } else {
    guide.intro = QCoreApplication::translate("FirstStartGuide",
                                              "Find and sink Vornmark's four hidden ships before it sinks yours. "
                                              "In Manual mode your own fleet stays on your paper, and you tell "
                                              "Vornmark its hits.");
    guide.steps.push_back(play_step(
        keys, QCoreApplication::translate(
                  "FirstStartGuide", "Choose File/New Game, then click squares of the grid to fire your volley.")));
    guide.steps.push_back(
        {QCoreApplication::translate("FirstStartGuide", "Report Vornmark's hits"), QString(),
         QCoreApplication::translate("FirstStartGuide",
                                     "When Vornmark has fired, click the panel of each of your ships it hit, once "
                                     "per hit, then “Click here to Continue”.")});
  }
  return guide;
}

QString first_start_guide_text(const FirstStartGuide& guide) {
  QStringList lines{guide.heading, guide.intro};
  for (std::size_t i = 0; i < guide.steps.size(); ++i) {
    const GuideStep& step = guide.steps[i];
    const QString keys = step.keys.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(step.keys);
    lines << QStringLiteral("%1. %2%3: %4").arg(i + 1).arg(step.title, keys, step.detail);
  }
  lines << guide.footer;
  return lines.join(QLatin1Char('\n'));
}

QRect paint_first_start_guide(QPainter& painter, const FirstStartGuide& guide, const QRect& area) {
  const int margin = 12;
  const QRect room = area.adjusted(margin, margin, -margin, -margin);
  if (room.width() < 80 || room.height() < 60) return {};
  // The largest type, up to a comfortable size for the window, whose card fits.
  int base = std::clamp(std::min(room.height() / 24, room.width() / 40), 8, 20);
  for (;; --base) {
    const int width = std::min(room.width(), base * 38);
    const CardLayout layout(painter.font(), base, width);
    const int height = layout.height(guide);
    if (height <= room.height() || base == 8) {
      const QRect card(room.left() + (room.width() - width) / 2, room.top() + std::max(0, (room.height() - height) / 2),
                       width, std::min(height, room.height()));
      painter.save();
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setClipRect(area);
      layout.paint(painter, guide, card);
      painter.restore();
      return card;
    }
  }
}

}  // namespace vornmark
