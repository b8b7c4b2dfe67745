// vornmark-cli: scripted play without a window, for tests, bots and players who like a
// terminal. Commands come one a line on standard input; events and answers go to standard
// output.

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "cli_session.h"
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
  auto session = std::make_unique<cli::CliSession>(printer, cancel_warnings, command_line, "Vornmark");
  std::string line;
  while (std::getline(std::cin, line)) {
    const cli::LineResult result = session->driver().run_line(line);
    if (result == cli::LineResult::Exit) break;
    if (result == cli::LineResult::Restart) session = cli::restart(std::move(session), printer);
  }
  session->driver().exit_game();
  return 0;
}
