#pragma once
// What the three option dialogs show when they open and what OK does, without any widget: the
// desktop program puts its dialogs on top of this, the scripted driver uses it directly.

#include <string>
#include <string_view>

#include "setup/play_state.h"

namespace vornmark {

class Match;
class PlayFlow;

// "Vornmark Options".
struct OptionsDialogState {
  enum class Mode { Automatic, Manual, Offense };
  Mode mode = Mode::Automatic;
  WhoStarts who_starts = WhoStarts::You;
  int level = 1;  // 0 to 3; -1 when none of the four buttons is checked
  std::string threshold_text;
  std::string shots_text;
};

// Which edit box gets the focus when a check on OK fails.
enum class DialogFocus { None, Threshold, Shots, GridSize };

struct DialogOkResult {
  bool close = false;  // true: the dialog ends with result 1
  DialogFocus focus = DialogFocus::None;
};

OptionsDialogState options_dialog_init(const Match& match);
// Applies the steps of OK in order; each takes effect at once, so what a later failed check
// leaves in force stays. The threshold check warns through the warning box; the shot count's
// "Error" box is owned by the dialog.
DialogOkResult options_dialog_ok(PlayFlow& flow, const OptionsDialogState& state);

// "Geometry".
std::string geometry_dialog_init(const Match& match);
DialogOkResult geometry_dialog_ok(Match& match, std::string_view grid_text);

// "Pacing".
struct PacingDialogState {
  bool pause_after_player = true;    // "Pause after your shots?"
  bool pause_after_vornmark = true;  // "Pause after Vornmark's shots?"
};
PacingDialogState pacing_dialog_init(const Match& match);
void pacing_dialog_ok(Match& match, const PacingDialogState& state);

// An edit box's text read as an unsigned number; text that is no number reads as 0.
unsigned long dialog_number(std::string_view text);

}  // namespace vornmark
