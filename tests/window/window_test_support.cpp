#include "window_test_support.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "setup/start_up.h"

namespace vornmark::testing {

BoxAnswer TestPlatform::message_box(const MessageBoxRequest& request) {
  boxes.push_back({request.owner, owner_for(request.owner), std::string(request.caption), std::string(request.text),
                   request.buttons, request.icon});
  if (request.buttons == BoxButtons::Ok || answers.empty()) return BoxAnswer::Ok;
  const BoxAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::unique_ptr<Match> started_match(Platform& platform, const std::string& command_line,
                                     const std::filesystem::path& settings_dir) {
  auto match = std::make_unique<Match>(platform);
  StartUpOptions options;
  options.command_line = command_line;
  options.settings_dir = settings_dir;
  start_up(*match, options);
  return match;
}

ModalVisit on_next_modal(const std::function<void(QWidget*)>& act, const std::function<void()>& trigger) {
  ModalVisit visit;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || visit.found) return;
    visit.found = true;
    visit.title = modal->windowTitle();
    poll.stop();
    act(modal);
  });
  poll.start();
  trigger();
  poll.stop();
  return visit;
}

QPoint grid_cell_centre(const Layout& layout, int column, int row) {
  return rect_centre(grid_cell_rect(layout, column, row));
}

QPoint grid_cell_corner(const Layout& layout, int column, int row) {
  const Rect cell = grid_cell_rect(layout, column, row);
  return {cell.left + 2, cell.top + 2};
}

QPoint rect_centre(const Rect& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

Rgb pixel_rgb(const QImage& image, QPoint at) {
  const QColor colour = image.pixelColor(at);
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

}  // namespace vornmark::testing
