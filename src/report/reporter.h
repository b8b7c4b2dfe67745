#pragma once
// The reports every part of the game leans on: the bounds error of a board, the warning box
// for internal inconsistencies (whose Cancel ends the program), and the trace log.

#include <string>
#include <string_view>

#include "report/platform.h"
#include "report/trace_log.h"

namespace vornmark {

class Reporter {
 public:
  explicit Reporter(Platform& platform) : platform_(&platform) {}
  Reporter(const Reporter&) = delete;
  Reporter& operator=(const Reporter&) = delete;

  Platform& platform() const { return *platform_; }
  TraceLog& log() { return log_; }
  const TraceLog& log() const { return log_; }

  // The OK/Cancel warning, caption "Vornmark". Cancel ends the program and does not return.
  void warning_box(std::string_view text);
  // The bounds error of a board: caption "Error", OK only, no owner; never ends the program.
  void bounds_error(std::string_view text);
  // A refused user action: caption "Error", OK only, owned by the main window.
  void error_box(std::string_view text);

  // Writes the statistics summary, closes the log and ends the process with code 0.
  [[noreturn]] void finish_and_exit();

  // Boxes are owned by the main window once its creation has completed.
  void set_main_window_ready(bool ready) { main_window_ready_ = ready; }

 private:
  Platform* platform_;
  TraceLog log_;
  bool main_window_ready_ = false;
};

// printf-style text, for messages built before they are shown.
std::string format_text(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vornmark
