#pragma once
// The services that stand in for the window system: message boxes, the beep, the mouse
// cursor while the computer thinks, and the end of the process. The desktop program, the
// headless tools and the tests each install their own implementation.

#include <string_view>

namespace vornmark {

enum class BoxOwner { None, MainWindow, Dialog };
enum class BoxButtons { Ok, OkCancel };
enum class BoxIcon { None, Warning, Information };
enum class BoxAnswer { Ok, Cancel };

struct MessageBoxRequest {
  BoxOwner owner = BoxOwner::None;
  std::string_view caption;
  std::string_view text;
  BoxButtons buttons = BoxButtons::Ok;
  BoxIcon icon = BoxIcon::None;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Shows a modal box and waits for the answer. A box with only OK answers Ok.
  virtual BoxAnswer message_box(const MessageBoxRequest& request) = 0;
  virtual void beep() = 0;
  // The busy cursor while the computer plans; false restores the arrow.
  virtual void set_busy_cursor(bool busy) = 0;
  // Ends the process at once. Implementations used by tests may unwind instead.
  [[noreturn]] virtual void exit_process(int code) = 0;
};

// A note for the player: caption "Vornmark", the information icon, OK only, owned by the main
// window.
inline void information_box(Platform& platform, std::string_view text) {
  MessageBoxRequest request;
  request.owner = BoxOwner::MainWindow;
  request.caption = "Vornmark";
  request.text = text;
  request.icon = BoxIcon::Information;
  platform.message_box(request);
}

}  // namespace vornmark
