#pragma once
// A platform for tests: records every box, beep and cursor change, answers boxes as told,
// and turns the end of the process into an exception the test can catch.

#include <deque>
#include <string>
#include <vector>

#include "report/platform.h"

namespace vornmark::testing {

struct RecordedBox {
  BoxOwner owner;
  std::string caption;
  std::string text;
  BoxButtons buttons;
  BoxIcon icon;
};

struct ProcessExit {
  int code;
};

class RecordingPlatform : public Platform {
 public:
  BoxAnswer message_box(const MessageBoxRequest& request) override;
  void beep() override { ++beeps; }
  void set_busy_cursor(bool busy) override { cursor_changes.push_back(busy); }
  [[noreturn]] void exit_process(int code) override { throw ProcessExit{code}; }

  // Texts of the boxes with this caption, in order.
  std::vector<std::string> texts(const std::string& caption) const;
  void clear() {
    boxes.clear();
    beeps = 0;
    cursor_changes.clear();
  }

  std::vector<RecordedBox> boxes;
  std::deque<BoxAnswer> answers;  // answers for OK/Cancel boxes; OK once they run out
  int beeps = 0;
  std::vector<bool> cursor_changes;
};

}  // namespace vornmark::testing
