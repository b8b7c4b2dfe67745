#include "opponent/relocation.h"

#include "model/ship_on_board.h"
#include "opponent/placement_scan.h"
#include "opponent/target_list.h"
#include "report/reporter.h"
#include "setup/game.h"

namespace vornmark {

namespace {

constexpr const char* kRevertMessage = "System Error 109 in Advanced mode. Reverting to Intermediate";

// Tries the listed anchors in order, each in its four quarter turns, until the ship fits the
// player's shots and its own hit record away from the computer's other ships.
bool move_to_first_fit(Game& game, Ship& ship, const TargetCandidate* list) {
  TraceLog& log = game.report.log();
  int cycle = 0;
  for (int entry = 0; list[entry].x != -1; ++entry) {
    log.tracef("SHOTS entry # %d = (%d,%d)\n", entry + 1, list[entry].x, list[entry].y);
    ship.move_to(list[entry].x, list[entry].y);
    for (int turn = 0; turn < 4; ++turn) {
      if (try_fit(game.his_shots, &game.my_sea, ship)) return true;
      log.tracef("try_fit failed cycle %d\n", cycle);
      ship.rotate();
      ++cycle;
    }
  }
  return false;
}

}  // namespace

bool relocate_ship(Game& game, int index) {
  if (index < 0 || index > 3) return false;
  TraceLog& log = game.report.log();
  Ship& ship = game.my_fleet[index];
  const int grid = game.grid();
  game.temp_tally.set_size(grid, grid);
  game.temp_tally.clear();

  CellPos saved[Ship::kMaxCells];
  for (int i = 0; i < ship.cell_count(); ++i) saved[i] = ship.where(i);

  Ship wk_ship = ship;
  log.trace("(under attack) wk_ship:\n");
  wk_ship.dump();
  // The ship's own cells do not block it: the scan lets a ship stand on its own id.
  scan_ship(game.his_shots, &game.my_sea, wk_ship, game.temp_tally);
  log.trace("After shuffle/radar\n");
  game.temp_tally.dump_numbers();

  const TargetCandidate* list = target_list(game, game.temp_tally, game.his_shots, nullptr);
  log.tracef("Shooting at (%d,%d)\n", list[0].x, list[0].y);
  if (list[0].x == -1) return false;

  remove_ship(game.my_sea, ship);
  log.trace("After remove\n");
  game.my_sea.dump_numbers();
  log.trace("checking out the miscreants\n");
  game.my_sea.dump_letters(game.his_shots);

  if (!move_to_first_fit(game, ship, list)) {
    game.report.warning_box(kRevertMessage);
    log.trace(kRevertMessage);
    game.settings.PlayLevel = kIntermediate;
    ship.set_cells(saved);
    place_ship(game.my_sea, ship);
    return false;
  }

  log.trace("After succesful try_fit\n");
  ship.dump();
  place_ship(game.my_sea, ship);
  log.trace("After place\n");
  game.my_sea.dump_numbers();
  return true;
}

}  // namespace vornmark
