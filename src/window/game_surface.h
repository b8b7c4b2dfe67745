#pragma once
// The client area of the main window: it paints the game, lays it out on every change of
// size, hands classified presses and the game's keys to the play flow and shows the gun-sight
// over the grid while the player aims.

#include <QAccessibleEvent>
#include <QCursor>
#include <QWidget>
#include <functional>
#include <optional>

#include "presentation/keyboard.h"
#include "window/first_start_guide.h"

namespace vornmark {

class Match;
class PlayFlow;
struct Layout;

class GameSurface : public QWidget {
  Q_OBJECT

 public:
  GameSurface(const Match& match, Layout& layout, QWidget* parent = nullptr);

  void set_flow(PlayFlow* flow) { flow_ = flow; }
  void set_sight_cursor(std::optional<QCursor> sight) {
    sight_ = std::move(sight);
    sight_ratio_ = 1.0;
  }
  // The cursor for a mouse position: the sight over the grid while aiming, else the arrow; the
  // sight is drawn again for the device pixel ratio of the screen the window is on.
  void update_cursor(int x, int y);

  const Match& match() const { return match_; }
  const Layout& layout() const { return layout_; }
  const PlayFlow* flow() const { return flow_; }
  // The focus place of the keys, inside the grid as it is now.
  FocusPlace focus_place() const;
  // The focus with each zone's own position, as the game keeps it.
  // The focus with each zone's own position, as the game keeps it.
  FocusPlace held_focus() const { return focus_.held(); }
  void hold_focus(const FocusPlace& place) { focus_.hold(place); }
  // The focus frame shows once a key of the game was used, until the next mouse press.
  bool focus_visible() const { return focus_visible_; }
  // Tells assistive technology what changed since the last input: the focus place, the texts of
  // the legend and the status button, the name of the cell under the focus.
  void announce_changes();
  // Where the announcements go instead of the screen reader (for tests); none restores it.
  void set_announcer(std::function<void(QAccessibleEvent*)> announcer) { announcer_ = std::move(announcer); }
  // A left click at the centre of a place, as assistive technology's press action asks.
  void click_place(const FocusPlace& place);
  // The keys the idle window's guidance names; until they are given it is not drawn.
  void set_guide_keys(GuideKeys keys);
  // Where the guidance was drawn last (empty when it was not).
  QRect guide_rect() const { return guide_rect_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab and Shift+Tab move the game's focus place, not the widget focus.
  bool focusNextPrevChild(bool next) override;

 private:
  void press(QMouseEvent* event);
  void show_focus(bool visible);
  // Screen readers read the guidance as the surface's description while it shows.
  void describe_guide();

  const Match& match_;
  Layout& layout_;
  PlayFlow* flow_ = nullptr;
  std::optional<QCursor> sight_;
  qreal sight_ratio_ = 1.0;
  KeyboardFocus focus_;
  bool focus_visible_ = false;
  bool space_held_ = false;
  std::function<void(QAccessibleEvent*)> announcer_;
  std::optional<GuideKeys> guide_keys_;
  QRect guide_rect_;
  // What assistive technology was told last.
  FocusPlace announced_place_;
  QString announced_legend_;
  QString announced_status_;
  QString announced_focus_name_;
};

}  // namespace vornmark
