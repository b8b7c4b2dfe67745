#pragma once
// Bringing the game to life once per run, and the reset that starts every game.

#include <filesystem>
#include <string>

namespace vornmark {

class Game;
class Board;
class Ship;

struct StartUpOptions {
  std::string command_line;             // the switches, tokens separated by spaces
  std::filesystem::path settings_dir;   // where VORNMARK.INI lives; empty: defaults, no file
  std::string trace_path = "stats";     // the trace log that the switch D1 opens
};

// Switches, settings, fleets and boards, the trace log and the seeding of the generator.
void start_up(Game& game, const StartUpOptions& options);

// Advances the counter, clears the seas and shot boards, resets the volley counters,
// unplaces the player's fleet and hides the computer's fleet at random.
void new_game(Game& game, int& counter);

// Places the four ships of a fleet at random where they fit. The board is not cleared first.
// A ship that finds no room after 100 anchors makes the whole fleet start again.
void random_place_fleet(Game& game, std::array<Ship, 4>& fleet, Board& board);

}  // namespace vornmark
