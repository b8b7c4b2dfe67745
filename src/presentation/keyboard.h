#pragma once
// Playing by keys: a focus place (a grid cell, a ship-panel cell or the status button), the keys
// that move it, and the keys that press it. A press by key is the press a mouse would make at the
// centre of the focus place, classified by the layout and handed to the play flow, so every rule,
// beep and message stays the mouse's.

#include <optional>
#include <string_view>

#include "play/click_target.h"
#include "play/focus_place.h"
#include "presentation/colour_scheme.h"
#include "presentation/rect.h"

namespace vornmark {

class Canvas;
class PlayFlow;
struct Layout;

enum class Key {
  Left,
  Right,
  Up,
  Down,
  Home,
  End,
  Tab,
  Backtab,
  Space,   // a left press at the focus place, then the release
  Return,  // a left click on the status button, wherever the focus is
  R,       // a right press at the focus place: turns a laid ship in Place mode
  Ship1,   // 1 to 4: a left click on that ship's panel in Place mode
  Ship2,
  Ship3,
  Ship4,
};

// Left to Backtab move the focus; the others press.
inline bool moves_focus(Key key) { return key < Key::Space; }

// The key of a name as scripts write it ("Left", "Backtab", "R", "1"), or none.
std::optional<Key> key_named(std::string_view name);

// Where the focus is, and how the moving keys move it. The grid and the panels each keep their
// own position, so Tab and Shift+Tab come back to the cell left there.
class KeyboardFocus {
 public:
  // The focus place inside a grid of `grid` cells a side (a grid made smaller pulls it in).
  FocusPlace place(int grid) const;
  // Moves the focus for Left, Right, Up, Down, Home, End, Tab and Backtab; false for other keys.
  bool move(Key key, int grid);
  // Puts the focus on the place a mouse press landed on; Nothing leaves it where it is.
  void follow(const ClickTarget& target);
  // The whole state, each zone's own position as it was left, for keeping it with the game.
  FocusPlace held() const { return {zone_, column_, row_, ship_, cell_}; }
  void hold(const FocusPlace& place);

 private:
  FocusZone zone_ = FocusZone::Grid;
  int column_ = 0;
  int row_ = 0;
  int ship_ = 0;
  int cell_ = 0;
};

// The cells of a ship's panel: 2, 3, 4 and 3.
int panel_cell_count(int ship);

// The rectangle of a focus place, in which the focus frame is drawn.
Rect focus_rect(const Layout& layout, const FocusPlace& place);
// What a press at the centre of a focus place is, as classify_click finds it.
ClickTarget focus_target(const Layout& layout, const FocusPlace& place);

// The press half of a key: moves the focus or hands the press to the flow. Space presses without
// releasing (the window releases when the key comes up, so holding Space on a panel hit keeps
// that volley highlighted); Return and 1 to 4 are whole clicks, R a right press. Outside Place
// mode 1 to 4 beep, as a refused press does.
void press_key(PlayFlow& flow, const Layout& layout, KeyboardFocus& focus, Key key);
// The release half: Space's left button comes up.
void release_key(PlayFlow& flow, Key key);

// The focus frame over a place, seen on every background: a white line between two black ones,
// three pixels wide inside the place's rectangle. Drawn only once the player uses the keys, so a
// game played by mouse looks as it always did.
// In the schemes beside Classic the strips take the scheme's focus colours.
void paint_focus_frame(const Layout& layout, const FocusPlace& place, Canvas& canvas,
                       SchemeId scheme = SchemeId::Classic);

}  // namespace vornmark
