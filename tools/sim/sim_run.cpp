#include "sim_run.h"

#include <unistd.h>

#include <chrono>

#include "headless.h"
#include "play/play_flow.h"
#include "setup/match.h"

namespace vornmark::sim {

namespace {

using Clock = std::chrono::steady_clock;

int cells_fired_at(const Board& shots) {
  int count = 0;
  for (int y = 0; y < shots.height(); ++y)
    for (int x = 0; x < shots.width(); ++x) count += shots.cell(x, y) != 0;
  return count;
}

// A progress line on standard error, shown only on a terminal once a second has passed.
class Progress {
 public:
  explicit Progress(int games) : games_(games), terminal_(isatty(STDERR_FILENO) != 0), start_(Clock::now()) {}
  void after_game(int done) {
    const Clock::time_point now = Clock::now();
    if (!terminal_ || now - start_ < std::chrono::seconds(1)) return;
    // A few updates a second are enough, and the last game is always shown.
    if (shown_ && done < games_ && now - last_shown_ < std::chrono::milliseconds(200)) return;
    std::fprintf(stderr, "\rvornmark-sim: %d of %d games", done, games_);
    std::fflush(stderr);
    shown_ = true;
    last_shown_ = now;
  }
  ~Progress() {
    if (shown_) std::fprintf(stderr, "\r\033[K");
  }

 private:
  int games_;
  bool terminal_;
  Clock::time_point start_;
  bool shown_ = false;
  Clock::time_point last_shown_;
};

}  // namespace

void run_games(PlayFlow& flow, const HeadlessPlatform& platform, int games, std::FILE* out) {
  const Match& match = flow.match();
  long long total_volleys = 0;
  int fewest = 0;
  int most = 0;
  Progress progress(games);
  for (int i = 1; i <= games; ++i) {
    const int warnings_before = platform.warnings();
    flow.run_simulation();
    GameFigures figures;
    figures.volleys = match.counters().computer_volley - 1;
    figures.shots = cells_fired_at(match.my_shots());
    figures.warnings = platform.warnings() - warnings_before;
    std::fprintf(out, "game %d volleys %d shots %d warnings %d\n", i, figures.volleys, figures.shots, figures.warnings);
    total_volleys += figures.volleys;
    if (i == 1 || figures.volleys < fewest) fewest = figures.volleys;
    if (i == 1 || figures.volleys > most) most = figures.volleys;
    progress.after_game(i);
  }
  const double mean = static_cast<double>(total_volleys) / static_cast<double>(games);
  std::fprintf(out, "summary games %d mean_volleys %.3f min %d max %d\n", games, mean, fewest, most);
  std::fflush(out);
}

}  // namespace vornmark::sim
