#pragma once
// Helpers of the window tests: a Qt platform that records its boxes instead of showing them, a
// game started as the program starts it, and the answering of real modal windows.

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "presentation/canvas.h"
#include "presentation/layout.h"
#include "setup/match.h"
#include "window/qt_platform.h"

namespace vornmark::testing {

// What the process exit of the platform throws in tests.
struct ExitRequested {
  int code;
};

// Records every box with the widget that would own it and answers it from a queue (OK once the
// queue is empty); counts beeps; turns the end of the process into ExitRequested.
class TestPlatform : public QtPlatform {
 public:
  struct Box {
    BoxOwner owner;
    QPointer<QWidget> owner_widget;
    std::string caption;
    std::string text;
    BoxButtons buttons;
    BoxIcon icon;
  };

  BoxAnswer message_box(const MessageBoxRequest& request) override;
  void beep() override { ++beeps; }
  [[noreturn]] void exit_process(int code) override { throw ExitRequested{code}; }

  std::vector<Box> boxes;
  std::deque<BoxAnswer> answers;
  int beeps = 0;
};

// A match brought to life by start_up with this command line and settings folder.
std::unique_ptr<Match> started_match(Platform& platform, const std::string& command_line = "-D3",
                                     const std::filesystem::path& settings_dir = {});

// Runs `act` on the next modal window that opens (polling while `trigger` runs its modal loop),
// then returns what `trigger` did. Fails the test through `found` staying false.
struct ModalVisit {
  bool found = false;
  QString title;
};
ModalVisit on_next_modal(const std::function<void(QWidget*)>& act, const std::function<void()>& trigger);

// The middle of a grid cell, and a pixel inside a cell clear of its frame and of its letter.
QPoint grid_cell_centre(const Layout& layout, int column, int row);
QPoint grid_cell_corner(const Layout& layout, int column, int row);
QPoint rect_centre(const Rect& rect);

// The colour of one pixel as the colour table's red, green and blue.
Rgb pixel_rgb(const QImage& image, QPoint at);

}  // namespace vornmark::testing
