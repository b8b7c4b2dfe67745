#pragma once
// Bringing the match to life once per run, and the random placement of a fleet.

#include <filesystem>
#include <string>

#include "setup/fleet.h"

namespace vornmark {

class Board;
class Lcg;
class Match;

struct StartUpOptions {
  std::string command_line;            // the switches, tokens separated by spaces
  std::filesystem::path settings_dir;  // where VORNMARK.INI lives; empty: defaults, no file
  std::string trace_path = "stats";    // the trace log that the switch D1 opens
};

// Switches, settings, fleets and boards, the trace log and the seeding of the generator.
void start_up(Match& match, const StartUpOptions& options);

// Places the four ships of a fleet at random where they fit on a grid x grid board, drawing
// from the generator. The board is not cleared first. A ship that finds no room after 100
// anchors makes the whole fleet start again.
void random_place_fleet(Lcg& random, int grid, Fleet& fleet, Board& board);

}  // namespace vornmark
