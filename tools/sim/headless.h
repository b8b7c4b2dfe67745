#pragma once
// The services of a run without a window: boxes go to standard error and are answered OK, the
// view's requests are dropped.

#include "play/quiet_view.h"
#include "report/platform.h"

namespace vornmark::sim {

class HeadlessPlatform : public Platform {
 public:
  // Prints "<caption>: <text>" and answers OK; counts the warning boxes (caption "Vornmark").
  BoxAnswer message_box(const MessageBoxRequest& request) override;
  void beep() override {}
  void set_busy_cursor(bool) override {}
  [[noreturn]] void exit_process(int code) override;

  int warnings() const { return warnings_; }

 private:
  int warnings_ = 0;
};

using HeadlessView = QuietView;

}  // namespace vornmark::sim
