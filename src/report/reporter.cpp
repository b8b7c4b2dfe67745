#include "report/reporter.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace vornmark {

void Reporter::warning_box(std::string_view text) {
  MessageBoxRequest request;
  request.owner = main_window_ready_ ? BoxOwner::MainWindow : BoxOwner::None;
  request.caption = "Vornmark";
  request.text = text;
  request.buttons = BoxButtons::OkCancel;
  request.icon = BoxIcon::Warning;
  if (platform_->message_box(request) == BoxAnswer::Cancel) finish_and_exit();
}

void Reporter::bounds_error(std::string_view text) {
  MessageBoxRequest request;
  request.owner = BoxOwner::None;
  request.caption = "Error";
  request.text = text;
  platform_->message_box(request);
}

void Reporter::error_box(std::string_view text) {
  MessageBoxRequest request;
  request.owner = BoxOwner::MainWindow;
  request.caption = "Error";
  request.text = text;
  platform_->message_box(request);
}

void Reporter::finish_and_exit() {
  log_.write_summary();
  log_.close();
  platform_->exit_process(0);
  std::_Exit(0);  // in case a platform's exit came back
}

std::string format_text(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
}

}  // namespace vornmark
