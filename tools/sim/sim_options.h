#pragma once
// The command line of vornmark-sim: the long options of a batch run and the program's own
// switches, which pass through to start-up unchanged.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vornmark::sim {

struct SimOptions {
  // Settings that override the settings file; unset ones keep the file's values.
  std::optional<int> grid;
  std::optional<int> shots;
  std::optional<int> threshold;
  std::optional<int> level;
  std::optional<int> automatic;
  std::optional<int> pause_vornmark;
  int games = 1;
  std::optional<std::uint32_t> seed;
  std::optional<std::string> trace_path;
  // Threads of the Expert's search; unset: the machine's processors, at most four.
  std::optional<int> threads;
  bool help = false;
  // The paired comparison with Intermediate instead of the plain run.
  bool paired = false;
  // Where the level's volleys go, on the paired comparison's fleets, instead of the plain run.
  bool phases = false;
  // The program's switches (tokens starting with '-' or '/'), in the order given.
  std::vector<std::string> switches;
};

struct ParseResult {
  SimOptions options;
  std::string error;  // empty when the command line is good
};

// Reads the arguments after the program name. Stops at the first bad one, or at --help.
ParseResult parse_options(const std::vector<std::string>& arguments);

// The command line that start-up reads: the switches joined with blanks, and -D1 when a trace
// file was asked for.
std::string start_up_command_line(const SimOptions& options);

extern const char* const kUsage;

}  // namespace vornmark::sim
