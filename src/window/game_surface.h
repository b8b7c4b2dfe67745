#pragma once
// The client area of the main window: it paints the game, lays it out on every change of
// size, hands classified presses to the play flow and shows the gun-sight over the grid while
// the player aims.

#include <QCursor>
#include <QWidget>
#include <optional>

namespace vornmark {

class Match;
class PlayFlow;
struct Layout;

class GameSurface : public QWidget {
  Q_OBJECT

 public:
  GameSurface(const Match& match, Layout& layout, QWidget* parent = nullptr);

  void set_flow(PlayFlow* flow) { flow_ = flow; }
  void set_sight_cursor(std::optional<QCursor> sight) { sight_ = std::move(sight); }
  // The cursor for a mouse position: the sight over the grid while aiming, else the arrow.
  void update_cursor(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void press(QMouseEvent* event);

  const Match& match_;
  Layout& layout_;
  PlayFlow* flow_ = nullptr;
  std::optional<QCursor> sight_;
};

}  // namespace vornmark
