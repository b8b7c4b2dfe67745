#pragma once
// What the play flow asks of the window: none of it changes the match. The desktop program maps
// the redraw requests onto the layout's rectangles; headless drivers may ignore them.

#include <string_view>

#include "play/scene.h"
#include "play/sound.h"

namespace vornmark {

class Ship;

class View {
 public:
  virtual ~View() = default;

  virtual void beep() = 0;
  // The window background of a new state (the flow has already stored it in the scene).
  virtual void set_background(Colour colour) = 0;
  virtual void set_title(std::string_view title) = 0;
  // A refused action that needs words: caption "Error", OK only, owned by the main window.
  virtual void show_error(std::string_view text) = 0;

  virtual void invalidate_cell(int column, int row) = 0;
  virtual void invalidate_panel(int ship) = 0;
  virtual void invalidate_ship_cells(const Ship& ship) = 0;
  virtual void invalidate_legend() = 0;
  virtual void invalidate_status() = 0;
  virtual void invalidate_grid() = 0;
  // The whole window, background erased.
  virtual void redraw_all() = 0;

  // What just happened, to be heard; headless views stay silent.
  virtual void play_sound(Sound) {}

  // The game changed in a way worth keeping (a volley resolved, a turn changed, hits reported, the
  // game ended, a menu command changed it). Called before the change is shown and before any
  // message box of that step.
  virtual void game_changed() {}
};

}  // namespace vornmark
