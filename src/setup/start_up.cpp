#include "setup/start_up.h"

#include "model/ship_on_board.h"
#include "setup/game.h"
#include "setup/settings_file.h"

namespace vornmark {

namespace {

constexpr int kAnchorsBeforeRestart = 100;

void describe_fleet(Fleet& fleet, const char* owner) {
  const std::string prefix = owner;
  fleet[kBattleship].describe(prefix + " Battleship", 4, 3, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});
  fleet[kCorvette].describe(prefix + " Corvette", 2, 1, {{0, 0}, {0, 1}});
  fleet[kDestroyer].describe(prefix + " Destroyer", 3, 2, {{0, 0}, {0, 1}, {0, 2}});
  fleet[kSubmarine].describe(prefix + " Submarine", 3, 4, {{0, 0}, {1, 1}, {2, 2}});
}

void give_storage(Board& board, int grid) {
  board.allocate(kMaxGrid, kMaxGrid);
  board.set_size(grid, grid);
}

// Lays one ship at random anchors until it fits; false after too many anchors.
bool place_one_at_random(Game& game, Ship& ship, Board& board) {
  const int grid = game.grid();
  for (int anchors = 0; anchors < kAnchorsBeforeRestart; ++anchors) {
    const int x = game.random.draw() % grid;
    const int y = game.random.draw() % grid;
    ship.move_to(x, y);
    if (game.random.draw() % 2 == 1) ship.rotate();
    for (int attempt = 0; attempt < 4; ++attempt) {
      if (place_ship(board, ship)) return true;
      ship.rotate();
    }
  }
  return false;
}

}  // namespace

void start_up(Game& game, const StartUpOptions& options) {
  game.switches = DiagnosticSwitches{};
  game.who_starts = WhoStarts::You;
  game.diagnostic_lines.clear();
  game.game_counter = 0;
  game.current_volley = CurrentVolley::None;
  game.highlight_volley = 0;

  game.settings_dir = options.settings_dir;
  game.settings = load_settings(options.settings_dir);
  read_switches(options.command_line, game.switches);

  describe_fleet(game.my_fleet, "My");
  describe_fleet(game.his_fleet, "His");

  const int grid = game.grid();
  for (Board* board : {&game.tally, &game.his_sea, &game.his_real_ships, &game.his_shots, &game.my_shots,
                       &game.my_sea})
    give_storage(*board, grid);
  game.wk_tots.allocate(kMaxGrid, kMaxGrid);
  game.wk_tots.set_size(15, 15);
  give_storage(game.temp_tally, grid);

  if (game.switches.on(1) && !game.report.log().open(options.trace_path)) {
    game.report.warning_box("Error opening stats\n");
    game.report.finish_and_exit();
  }
  if (!game.switches.on(3)) game.random.seed(clock_seed());

  for (Board& board : game.ship_tallies) give_storage(board, grid);
  game.report.log().clear_histogram();
}

void new_game(Game& game, int& counter) {
  counter += 1;
  if (counter == game.switches.first_game && game.switches.first_game > 0) game.switches.flags[0] = true;
  if (counter == game.switches.last_game && game.switches.last_game > 0) game.switches.flags[0] = true;

  game.my_sea.clear();
  game.my_shots.clear();
  game.his_sea.clear();
  game.his_shots.clear();

  game.computer_volley = 1;
  game.player_volley = 1;
  game.next_shot = 1;
  game.computer_shots_per_volley = game.settings.NumberOfShots;
  game.player_shots_per_volley = game.settings.NumberOfShots;

  for (Ship& ship : game.his_fleet) ship.unplace();
  random_place_fleet(game, game.my_fleet, game.my_sea);
}

void random_place_fleet(Game& game, Fleet& fleet, Board& board) {
  for (Ship& ship : fleet) ship.unplace();
  std::size_t next = 0;
  while (next < fleet.size()) {
    if (place_one_at_random(game, fleet[next], board)) {
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
