// Start-up to the first paint of the main window on the offscreen platform. Every iteration
// starts a fresh process, this program as its own child, so that loading the libraries, the
// platform plugin and the fonts counts as it does for a player. The child takes the program's
// own steps to its window, and when the first paint of the game's surface has been handled it
// writes the time since the parent started it and leaves at once. The parent reports that
// time. Built with the desktop program; run by hand, not by ctest.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "setup/match.h"
#include "setup/start_up.h"
#include "window/game_surface.h"
#include "window/main_window.h"
#include "window/program_icon.h"
#include "window/qt_platform.h"

extern char** environ;

namespace {

constexpr const char* kChildSwitch = "--first-paint-child";

// Nanoseconds on the system's monotonic clock, which parent and child share.
std::int64_t now_ns() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Waits for the first paint of the surface; once it has been handled and the loop is back,
// writes the time since `started_ns` and ends the process without tearing anything down.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(std::int64_t started_ns) : started_ns_(started_ns) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [this] {
        std::printf("%lld\n", static_cast<long long>(now_ns() - started_ns_));
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  std::int64_t started_ns_;
  bool seen_ = false;
};

// The child: the steps of the program's main() up to its event loop, with the defaults in
// place of a settings file, so that the player's file is neither read nor written.
int run_child(char* program, std::int64_t started_ns) {
  using namespace vornmark;
  int argc = 1;
  char* argv[] = {program, nullptr};
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vornmark"));
  QApplication::setApplicationVersion(QStringLiteral(VORNMARK_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("io.github.vornmark.Vornmark"));
  QApplication::setWindowIcon(program_icon());

  QtPlatform platform;
  auto match = std::make_unique<Match>(platform);
  start_up(*match, StartUpOptions{});

  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  MainWindow window(*match, platform, screen.size());
  FirstPaint first_paint(started_ns);
  window.surface()->installEventFilter(&first_paint);
  window.move(screen.topLeft());
  window.show();
  return application.exec();
}

// Everything that comes through a pipe until it closes; the end is closed after.
std::string read_all(int end) {
  std::string text;
  char buffer[256];
  for (ssize_t got; (got = read(end, buffer, sizeof buffer)) > 0;) text.append(buffer, buffer + got);
  close(end);
  return text;
}

// Starts the child on the offscreen platform and returns its figure in nanoseconds, or -1
// with the reason in `error`.
std::int64_t time_one_start(std::string& error) {
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) {
    error = "cannot find this program";
    return -1;
  }
  self[length] = '\0';

  std::vector<std::string> environment = {"QT_QPA_PLATFORM=offscreen"};
  for (char** entry = environ; *entry != nullptr; ++entry)
    if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0) environment.emplace_back(*entry);
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  // The figure comes on standard output; what the platform says on standard error is kept
  // for the message of a failed start.
  int out[2];
  int err[2];
  if (pipe(out) != 0) {
    error = std::strerror(errno);
    return -1;
  }
  if (pipe(err) != 0) {
    error = std::strerror(errno);
    close(out[0]);
    close(out[1]);
    return -1;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
  for (int end : {out[0], out[1], err[0], err[1]}) posix_spawn_file_actions_addclose(&actions, end);

  std::string child_switch = kChildSwitch;
  std::string started = std::to_string(now_ns());
  char* argv[] = {self, child_switch.data(), started.data(), nullptr};
  pid_t child = 0;
  const int spawned = posix_spawn(&child, self, &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  // Both are a few lines at most, far below what a pipe holds, so they are read one after
  // the other.
  const std::string output = read_all(out[0]);
  const std::string messages = read_all(err[0]);
  if (spawned != 0) {
    error = std::strerror(spawned);
    return -1;
  }
  int status = 0;
  waitpid(child, &status, 0);
  char* end = nullptr;
  const long long figure = std::strtoll(output.c_str(), &end, 10);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || end == output.c_str() || figure <= 0) {
    error = "the child ended without a first paint: " + output + messages;
    return -1;
  }
  return figure;
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    std::string error;
    const std::int64_t ns = time_one_start(error);
    if (ns < 0) {
      state.SkipWithError(error.c_str());
      break;
    }
    state.SetIterationTime(static_cast<double>(ns) * 1e-9);
  }
}
BENCHMARK(BM_StartUpToFirstPaint)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], kChildSwitch) == 0) {
    char* end = nullptr;
    const long long started = std::strtoll(argv[2], &end, 10);
    if (end == argv[2] || *end != '\0') return 2;
    return run_child(argv[0], started);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
