// vornmark-sim: batch Simulation games without a window, for measuring the opponent.

#include <cstdio>
#include <string>
#include <vector>

#include "headless.h"
#include "opponent/rollout_workers.h"
#include "paired_run.h"
#include "phase_run.h"
#include "play/play_flow.h"
#include "setup/match.h"
#include "setup/settings_file.h"
#include "setup/start_up.h"
#include "sim_options.h"
#include "sim_run.h"

namespace {

using namespace vornmark;

// The options given override the settings loaded at start-up; a new grid size resizes the
// boards the way the Geometry command does.
void apply_settings(Match& match, const sim::SimOptions& options) {
  GameSettings& settings = match.mutable_settings();
  if (options.grid) settings.MaxCells = *options.grid;
  if (options.shots) settings.NumberOfShots = *options.shots;
  if (options.threshold) settings.AmbiguityThreshold = *options.threshold;
  if (options.level) settings.PlayLevel = *options.level;
  if (options.automatic) settings.AutomaticMode = *options.automatic;
  if (options.pause_vornmark) settings.PauseVornmark = static_cast<std::uint8_t>(*options.pause_vornmark);
  match.resize_boards_to_grid();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const sim::ParseResult parsed = sim::parse_options(arguments);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "vornmark-sim: %s\nTry 'vornmark-sim --help'.\n", parsed.error.c_str());
    return 2;
  }
  const sim::SimOptions& options = parsed.options;
  if (options.help) {
    std::fputs(sim::kUsage, stdout);
    return 0;
  }

  sim::HeadlessPlatform platform;
  Match match(platform);
  StartUpOptions start;
  start.command_line = sim::start_up_command_line(options);
  start.settings_dir = default_settings_dir();
  if (options.trace_path) start.trace_path = *options.trace_path;
  start_up(match, start);
  apply_settings(match, options);
  if (options.seed) match.random().seed(*options.seed);

  const int threads = options.threads.value_or(default_search_threads());
  if (options.paired) {
    sim::run_paired(match, match.settings().PlayLevel, options.games, options.seed.value_or(1), threads, stdout);
    return 0;
  }
  if (options.phases) {
    sim::run_phases(match, match.settings().PlayLevel, options.games, options.seed.value_or(1), threads, stdout);
    return 0;
  }
  sim::HeadlessView view;
  PlayFlow flow(match, view);
  if (match.settings().PlayLevel == kExpert) sim::set_search_threads(flow.mutable_opponent(), threads);
  sim::run_games(flow, platform, options.games, stdout);
  return 0;
}
