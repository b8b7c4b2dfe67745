#include "window/game_surface.h"

#include <QMouseEvent>
#include <QPainter>

#include "play/play_flow.h"
#include "presentation/layout.h"
#include "presentation/painting.h"
#include "setup/match.h"
#include "window/qt_canvas.h"

namespace vornmark {

namespace {

ClickTarget classify(const Layout& layout, const QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  return classify_click(layout, pack_position(at.x(), at.y()));
}

}  // namespace

GameSurface::GameSurface(const Match& match, Layout& layout, QWidget* parent)
    : QWidget(parent), match_(match), layout_(layout) {
  setMouseTracking(true);
  setAutoFillBackground(true);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setCursor(Qt::ArrowCursor);
}

void GameSurface::paintEvent(QPaintEvent*) {
  if (flow_ == nullptr) return;
  QPainter painter(this);
  QtCanvas canvas(painter, logicalDpiY());
  paint_window(match_, flow_->scene(), layout_, canvas);
}

void GameSurface::resizeEvent(QResizeEvent* event) {
  layout_window(layout_, match_, event->size().width(), event->size().height());
  QWidget::resizeEvent(event);
}

void GameSurface::press(QMouseEvent* event) {
  if (flow_ == nullptr) return;
  if (event->button() == Qt::LeftButton)
    flow_->on_left_press(classify(layout_, event));
  else if (event->button() == Qt::RightButton)
    flow_->on_right_press(classify(layout_, event));
}

void GameSurface::mousePressEvent(QMouseEvent* event) { press(event); }

// A double-click is two presses, and both act.
void GameSurface::mouseDoubleClickEvent(QMouseEvent* event) { press(event); }

void GameSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (flow_ != nullptr && event->button() == Qt::LeftButton) flow_->on_left_release();
}

void GameSurface::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  update_cursor(at.x(), at.y());
}

void GameSurface::update_cursor(int x, int y) {
  const bool aiming = match_.play_state() == PlayState::PlayerAiming && layout_.board_rect.contains(x, y);
  if (aiming && sight_)
    setCursor(*sight_);
  else
    setCursor(Qt::ArrowCursor);
}

}  // namespace vornmark
