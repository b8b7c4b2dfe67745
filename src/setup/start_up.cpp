#include "setup/start_up.h"

#include "model/ship_on_board.h"
#include "setup/match.h"
#include "setup/settings_file.h"

namespace vornmark {

namespace {

constexpr int kAnchorsBeforeRestart = 100;

// Lays one ship at random anchors until it fits; false after too many anchors.
bool place_one_at_random(Lcg& random, int grid, Ship& ship, Board& board) {
  for (int anchors = 0; anchors < kAnchorsBeforeRestart; ++anchors) {
    const int x = random.draw() % grid;
    const int y = random.draw() % grid;
    ship.move_to(x, y);
    if (random.draw() % 2 == 1) ship.rotate();
    for (int attempt = 0; attempt < 4; ++attempt) {
      if (place_ship(board, ship)) return true;
      ship.rotate();
    }
  }
  return false;
}

}  // namespace

void start_up(Match& match, const StartUpOptions& options) {
  match.switches_ = DiagnosticSwitches{};
  match.who_starts_ = WhoStarts::You;
  match.game_counter_ = 0;

  match.settings_dir_ = options.settings_dir;
  match.settings_ = load_settings(options.settings_dir);
  read_switches(options.command_line, match.switches_);

  describe_fleet(match.my_fleet_, "My");
  describe_fleet(match.his_fleet_, "His");

  // Storage for the largest grid, so that the grid size can change during a run.
  for (Board* board : {&match.his_real_ships_, &match.his_shots_, &match.my_shots_, &match.my_sea_})
    board->allocate(kMaxGrid, kMaxGrid);
  match.resize_boards_to_grid();

  if (match.switches_.on(1) && !match.report_.log().open(options.trace_path)) {
    match.report_.warning_box("Error opening stats\n");
    match.report_.finish_and_exit();
  }
  if (!match.switches_.on(3)) match.random_.seed(clock_seed());
  match.report_.log().clear_histogram();
}

void random_place_fleet(Lcg& random, int grid, Fleet& fleet, Board& board) {
  for (Ship& ship : fleet) ship.unplace();
  std::size_t next = 0;
  while (next < fleet.size()) {
    if (place_one_at_random(random, grid, fleet[next], board)) {
      ++next;
      continue;
    }
    // No room left for this ship beside the ones already laid: take the fleet off the board
    // and start it again from the first ship. The draws go on from the same generator.
    for (std::size_t placed = 0; placed < next; ++placed) remove_ship(board, fleet[placed]);
    for (Ship& ship : fleet) ship.unplace();
    next = 0;
  }
}

}  // namespace vornmark
