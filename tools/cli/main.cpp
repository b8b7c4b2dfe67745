// vornmark-cli: scripted play without a window, for tests, bots and players who like a
// terminal. Commands come one a line on standard input; events and answers go to standard
// output.

#include <cstdio>
#include <iostream>
#include <string>

#include "script_driver.h"
#include "setup/settings_file.h"
#include "setup/start_up.h"
#include "setup/statistics_file.h"

int main(int argc, char** argv) {
  using namespace vornmark;
  bool cancel_warnings = false;
  std::string command_line;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--cancel-warnings") {
      cancel_warnings = true;
      continue;
    }
    if (argument == "--help") {
      std::printf(
          "usage: vornmark-cli [--cancel-warnings] [-D0..-D9] [-G<n>] [-L<n>] < script\n"
          "Reads commands from standard input: new, place, simulate, exit, press X Y, rpress X Y,\n"
          "press grid C R, press panel K J, press status, release, key NAME, focus, options\n"
          "KEY=VALUE..., pacing player=0|1 vornmark=0|1, display hint=0|1 view=0|1, hint, view, state,\n"
          "legend, status, title, board NAME, fleet my|his, statistics, sounds on|off. Keys: Left Right Up Down\n"
          "Home End Tab Backtab Space Return R 1 2 3 4.\n");
      return 0;
    }
    if (!command_line.empty()) command_line += ' ';
    command_line += argument;
  }

  cli::EventPrinter printer(stdout);
  cli::CliPlatform platform(printer, cancel_warnings);
  Match match(platform);
  StartUpOptions options;
  options.command_line = command_line;
  options.settings_dir = default_settings_dir();
  start_up(match, options);

  cli::CliView view(printer);
  PlayFlow flow(match, view);
  GameRecorder recorder(platform, default_statistics_dir());
  flow.set_recorder(&recorder);
  Layout layout;
  layout_window(layout, match, 1000, 700);
  cli::ScriptDriver driver(flow, view, layout, printer, &recorder);

  std::string line;
  while (std::getline(std::cin, line)) {
    if (!driver.run_line(line)) break;
  }
  driver.exit_game();
  return 0;
}
