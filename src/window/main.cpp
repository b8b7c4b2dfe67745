// The desktop program: reads the switches and the settings, opens the one main window
// maximised and runs until it is closed.

#include <QApplication>
#include <QScreen>
#include <QSessionManager>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "setup/game_file.h"
#include "setup/match.h"
#include "setup/settings_file.h"
#include "setup/start_up.h"
#include "window/game_language.h"
#include "window/main_window.h"
#include "window/program_icon.h"
#include "window/program_texts.h"
#include "window/qt_platform.h"
#include "window/termination_signal.h"

namespace {

std::vector<std::string> arguments_of(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vornmark;
  // Answered before any window system is needed.
  if (const std::optional<std::string> text = early_exit_text(arguments_of(argc, argv))) {
    std::fputs(text->c_str(), stdout);
    return 0;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vornmark"));
  QApplication::setApplicationVersion(QStringLiteral(VORNMARK_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("io.github.vornmark.Vornmark"));
  QApplication::setWindowIcon(program_icon());

  QtPlatform platform;
  auto match = std::make_unique<Match>(platform);
  StartUpOptions options;
  // The arguments Qt has not taken for itself (such as -platform) are the game's switches.
  options.command_line = join_arguments(arguments_of(argc, argv));
  options.settings_dir = default_settings_dir();
  // The player's language, chosen in the menu or else the desktop's, before any box shows a word.
  const GameTranslations translations(chosen_language(options.settings_dir));
  start_up(*match, options);

  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  MainWindow window(*match, platform, screen.size());
  // The game in progress at the last end, opened as it was.
  if (const std::optional<std::filesystem::path> state = game_state_directory()) window.keep_game_in(*state);
  window.move(screen.topLeft());
  // Maximised, the window manager or compositor fits the whole frame, title bar included, into
  // the area the panels leave; without one the window keeps the available area.
  window.showMaximized();

  // A session about to end may not let the program end by itself, so the settings and the game
  // are written when it asks. SIGTERM closes every window, ending the program as File/Exit does;
  // both are written first, as a warning box closed so answers Cancel, which ends at once.
#ifndef QT_NO_SESSIONMANAGER
  QObject::connect(
      &application, &QGuiApplication::commitDataRequest, &window,
      [&window](QSessionManager&) {
        window.write_settings();
        window.keep_game_now();
      },
      Qt::DirectConnection);
#endif
  const TerminationSignal termination([&window] {
    window.write_settings();
    window.keep_game_now();
    QApplication::closeAllWindows();
  });
  return application.exec();
}
