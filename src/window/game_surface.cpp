#include "window/game_surface.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "play/play_flow.h"
#include "play/state_texts.h"
#include "presentation/layout.h"
#include "presentation/painting.h"
#include "presentation/place_names.h"
#include "setup/match.h"
#include "window/qt_canvas.h"
#include "window/sight_cursor.h"
#include "window/surface_accessible.h"

namespace vornmark {

namespace {

ClickTarget classify(const Layout& layout, const QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  return classify_click(layout, pack_position(at.x(), at.y()));
}

// The game's key for a key event; none for keys with Ctrl, Alt or Meta, which belong to the menus.
std::optional<Key> game_key(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Home:
      return Key::Home;
    case Qt::Key_End:
      return Key::End;
    case Qt::Key_Tab:
      return event.modifiers() & Qt::ShiftModifier ? Key::Backtab : Key::Tab;
    case Qt::Key_Backtab:
      return Key::Backtab;
    case Qt::Key_Space:
      return Key::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Return;
    case Qt::Key_R:
      return Key::R;
    case Qt::Key_1:
      return Key::Ship1;
    case Qt::Key_2:
      return Key::Ship2;
    case Qt::Key_3:
      return Key::Ship3;
    case Qt::Key_4:
      return Key::Ship4;
    default:
      return std::nullopt;
  }
}

QString qt_text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

GameSurface::GameSurface(const Match& match, Layout& layout, QWidget* parent)
    : QWidget(parent), match_(match), layout_(layout) {
  setMouseTracking(true);
  setAutoFillBackground(true);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setCursor(Qt::ArrowCursor);
  setFocusPolicy(Qt::StrongFocus);
  // The board keeps column 0 at the left in every language, as its coordinates say.
  setLayoutDirection(Qt::LeftToRight);
  install_surface_accessibility();
}

FocusPlace GameSurface::focus_place() const { return focus_.place(match_.grid()); }

void GameSurface::paintEvent(QPaintEvent*) {
  if (flow_ == nullptr) return;
  QPainter painter(this);
  QtCanvas canvas(painter, logicalDpiY());
  paint_window(match_, flow_->scene(), layout_, canvas);
  if (focus_visible_) paint_focus_frame(layout_, focus_place(), canvas, scheme_of(match_));
  guide_rect_ = QRect();
  // Clear of the status button's place, which the first game fills.
  if (guide_keys_ && match_.play_state() == PlayState::Idle)
    guide_rect_ = paint_first_start_guide(painter, first_start_guide(match_.settings(), *guide_keys_),
                                          QRect(0, 0, width(), layout_.status_rect.top - 4));
}

void GameSurface::resizeEvent(QResizeEvent* event) {
  layout_window(layout_, match_, event->size().width(), event->size().height());
  QWidget::resizeEvent(event);
}

void GameSurface::show_focus(bool visible) {
  if (focus_visible_ == visible) return;
  focus_visible_ = visible;
  update(qt_rect(focus_rect(layout_, focus_place())));
}

void GameSurface::press(QMouseEvent* event) {
  if (flow_ == nullptr) return;
  const ClickTarget target = classify(layout_, event);
  show_focus(false);
  focus_.follow(target);
  if (event->button() == Qt::LeftButton)
    flow_->on_left_press(target);
  else if (event->button() == Qt::RightButton)
    flow_->on_right_press(target);
  announce_changes();
}

void GameSurface::mousePressEvent(QMouseEvent* event) { press(event); }

// A double-click is two presses, and both act.
void GameSurface::mouseDoubleClickEvent(QMouseEvent* event) { press(event); }

void GameSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (flow_ != nullptr && event->button() == Qt::LeftButton) {
    flow_->on_left_release();
    announce_changes();
  }
}

void GameSurface::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  update_cursor(at.x(), at.y());
}

void GameSurface::keyPressEvent(QKeyEvent* event) {
  const std::optional<Key> key = flow_ != nullptr ? game_key(*event) : std::nullopt;
  if (!key) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  // A held key moves the focus on and on, but presses only once.
  if (event->isAutoRepeat() && !moves_focus(*key)) return;
  if (*key == Key::Space) {
    if (space_held_) return;
    space_held_ = true;
  }
  const Rect before = focus_rect(layout_, focus_place());
  show_focus(true);
  press_key(*flow_, layout_, focus_, *key);
  const Rect after = focus_rect(layout_, focus_place());
  if (after != before) {
    update(qt_rect(before));
    update(qt_rect(after));
  }
  announce_changes();
}

void GameSurface::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !space_held_ || flow_ == nullptr) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  space_held_ = false;
  release_key(*flow_, Key::Space);
  announce_changes();
}

// Space let go while a dialog or another window has the keys still ends its press.
void GameSurface::focusOutEvent(QFocusEvent* event) {
  if (space_held_ && flow_ != nullptr) {
    space_held_ = false;
    release_key(*flow_, Key::Space);
  }
  QWidget::focusOutEvent(event);
}

bool GameSurface::focusNextPrevChild(bool) { return false; }

void GameSurface::click_place(const FocusPlace& place) {
  if (flow_ == nullptr) return;
  flow_->on_left_press(focus_target(layout_, place));
  flow_->on_left_release();
  announce_changes();
}

void GameSurface::update_cursor(int x, int y) {
  const bool aiming = match_.play_state() == PlayState::PlayerAiming && layout_.board_rect.contains(x, y);
  if (!aiming || !sight_) {
    setCursor(Qt::ArrowCursor);
    return;
  }
  if (const qreal ratio = devicePixelRatioF(); ratio != sight_ratio_) {
    if (std::optional<QCursor> sharp = load_sight_cursor(ratio)) sight_ = std::move(sharp);
    sight_ratio_ = ratio;
  }
  setCursor(*sight_);
}

void GameSurface::set_guide_keys(GuideKeys keys) {
  guide_keys_ = std::move(keys);
  describe_guide();
}

void GameSurface::describe_guide() {
  const bool shown = guide_keys_ && match_.play_state() == PlayState::Idle;
  const QString description =
      shown ? first_start_guide_text(first_start_guide(match_.settings(), *guide_keys_)) : QString();
  if (accessibleDescription() != description) setAccessibleDescription(description);
}

void GameSurface::announce_changes() {
  describe_guide();
  // Without a screen reader listening there is no one to tell, and no interface is made.
  if (flow_ == nullptr || (!announcer_ && !QAccessible::isActive())) return;
  const auto send = [this](QAccessibleInterface* part, QAccessible::Event type) {
    QAccessibleEvent event(part, type);
    if (announcer_)
      announcer_(&event);
    else
      QAccessible::updateAccessibility(&event);
  };
  const FocusPlace place = focus_place();
  const QString legend = qt_text(legend_text(match_));
  const QString status = qt_text(status_button_name(match_));
  const QString name = qt_text(focus_place_name(match_, flow_->scene(), place));
  if (legend != announced_legend_) {
    announced_legend_ = legend;
    send(accessible_legend(*this), QAccessible::NameChanged);
  }
  if (status != announced_status_) {
    announced_status_ = status;
    send(accessible_status(*this), QAccessible::NameChanged);
  }
  if (place != announced_place_ || name != announced_focus_name_) {
    // A new place takes the accessible focus; the same place with a new state is read again.
    const QAccessible::Event type = place != announced_place_ ? QAccessible::Focus : QAccessible::NameChanged;
    announced_place_ = place;
    announced_focus_name_ = name;
    send(accessible_place(*this, place), type);
  }
}

}  // namespace vornmark
