#pragma once
// The platform services on Qt: modal message boxes, the beep, the busy cursor while the
// computer plans, and the immediate end of the process that the warning box's Cancel asks for.

#include <QPointer>
#include <QWidget>

#include "report/platform.h"

namespace vornmark {

class QtPlatform : public Platform {
 public:
  QtPlatform() = default;
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  BoxAnswer message_box(const MessageBoxRequest& request) override;
  void beep() override;
  void set_busy_cursor(bool busy) override;
  // Ends the process on the spot: no window is closed, so the settings are not saved.
  [[noreturn]] void exit_process(int code) override;

  // The window that owns the boxes marked for the main window, once it exists.
  void set_main_window(QWidget* window) { main_window_ = window; }
  QWidget* owner_for(BoxOwner owner) const;

 private:
  QPointer<QWidget> main_window_;
  bool busy_ = false;
};

}  // namespace vornmark
