#pragma once
// The scripted driver: one command a line in, one line a event or answer out, acting through
// the same play flow, layout and dialog logic as the desktop program.

#include <cstdio>
#include <string>
#include <string_view>

#include "play/game_recorder.h"
#include "play/play_flow.h"
#include "play/quiet_view.h"
#include "presentation/keyboard.h"
#include "presentation/layout.h"
#include "report/platform.h"
#include "setup/match.h"

namespace vornmark::cli {

// Prints every event as one line on the output and flushes it at once.
class EventPrinter {
 public:
  explicit EventPrinter(std::FILE* out) : out_(out) {}
  void line(std::string_view word, std::string_view text);  // "<word> <escaped text>"
  void raw(std::string_view text);                          // as it is, plus a line end

 private:
  std::FILE* out_;
};

class CliPlatform : public Platform {
 public:
  CliPlatform(EventPrinter& printer, bool cancel_warnings) : printer_(printer), cancel_warnings_(cancel_warnings) {}
  BoxAnswer message_box(const MessageBoxRequest& request) override;
  void beep() override { printer_.raw("beep"); }
  void set_busy_cursor(bool) override {}
  [[noreturn]] void exit_process(int code) override;

 private:
  EventPrinter& printer_;
  bool cancel_warnings_;
};

// Prints refusals, errors and titles, and the sounds once asked to; there is nothing to redraw.
class CliView : public QuietView {
 public:
  explicit CliView(EventPrinter& printer, std::string title = "Vornmark")
      : printer_(printer), title_(std::move(title)) {}
  void beep() override { printer_.raw("beep"); }
  void set_title(std::string_view title) override;
  // While a game resumes, a title equal to the one last printed is no change and not printed.
  void set_resuming(bool resuming) { resuming_ = resuming; }
  void show_error(std::string_view text) override { printer_.line("error", text); }
  // "sound NAME" for each sound the window plays, while `sounds on`.
  void play_sound(Sound sound) override;
  void print_sounds(bool on) { print_sounds_ = on; }
  bool prints_sounds() const { return print_sounds_; }

  const std::string& title() const { return title_; }

 private:
  EventPrinter& printer_;
  std::string title_;
  bool resuming_ = false;
  bool print_sounds_ = false;
};

enum class LineResult { Next, Exit, Restart };

class ScriptDriver {
 public:
  // The recorder, when there is one, also answers `statistics`.
  ScriptDriver(PlayFlow& flow, CliView& view, Layout& layout, EventPrinter& printer, GameRecorder* recorder = nullptr)
      : match_(flow.match()), flow_(flow), view_(view), layout_(layout), printer_(printer), recorder_(recorder) {}

  // Acts on one line; Exit for `exit`, Restart for `restart`.
  LineResult run_line(std::string_view line);
  // File/Exit: the settings are saved, and the statistics with a game in play abandoned unless
  // it is kept to be resumed.
  void exit_game(GameRecorder::GameInPlay game = GameRecorder::GameInPlay::Abandoned);
  // The game file's text, with the keyboard focus; and the game taken back from it.
  std::string game_to_keep();
  bool resume(std::string_view text, std::string* why);

 private:
  bool press(std::string_view line, bool right);
  bool key(std::string_view name);
  bool options(std::string_view line);
  bool pacing(std::string_view line);
  bool display(std::string_view line);
  void hint();
  // Counts row by row, then the ships' placements (0 for a sunk ship), then `end`.
  void counts(const Board& counts, const std::array<int, kFleetSize>& placements, const Fleet& fleet);
  bool board(std::string_view name);
  bool fleet(std::string_view side);
  void state();
  void bad_command(std::string_view line);

  Match& match_;
  PlayFlow& flow_;
  CliView& view_;
  Layout& layout_;
  EventPrinter& printer_;
  GameRecorder* recorder_;
  KeyboardFocus focus_;
};

}  // namespace vornmark::cli
