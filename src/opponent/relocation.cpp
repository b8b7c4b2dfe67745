// The Advanced level: the computer moves one of its own hit ships to a place that agrees with
// every shot the player has fired, so the hit becomes a miss.

#include "model/ship_on_board.h"
#include "opponent/opponent.h"
#include "opponent/placement_scan.h"
#include "report/reporter.h"
#include "setup/match.h"

namespace vornmark {

namespace {

constexpr const char* kRevertMessage = "System Error 109 in Advanced mode. Reverting to Intermediate";

// Tries the listed anchors in order, each in its four quarter turns, until the ship fits the
// player's shots and its own hit record away from the computer's other ships.
bool move_to_first_fit(const Match& match, TraceLog& log, Ship& ship, const TargetCandidate* list) {
  int cycle = 0;
  for (int entry = 0; list[entry].x != -1; ++entry) {
    log.tracef("SHOTS entry # %d = (%d,%d)\n", entry + 1, list[entry].x, list[entry].y);
    ship.move_to(list[entry].x, list[entry].y);
    for (int turn = 0; turn < 4; ++turn) {
      if (try_fit(match.his_shots(), &match.my_sea(), ship)) return true;
      log.tracef("try_fit failed cycle %d\n", cycle);
      ship.rotate();
      ++cycle;
    }
  }
  return false;
}

}  // namespace

bool Opponent::relocate_ship(Match& match, int index) {
  if (index < 0 || index >= kFleetSize) return false;
  Ship& ship = match.mutable_my_fleet()[static_cast<std::size_t>(index)];
  Board& my_sea = match.mutable_my_sea();
  const int grid = match.grid();
  temp_tally_.set_size(grid, grid);
  temp_tally_.clear();

  CellPos saved[Ship::kMaxCells];
  for (int i = 0; i < ship.cell_count(); ++i) saved[i] = ship.where(i);

  Ship wk_ship = ship;
  log().trace("(under attack) wk_ship:\n");
  wk_ship.dump();
  // The ship's own cells do not block it: the scan lets a ship stand on its own id.
  scan_ship(match.his_shots(), &my_sea, wk_ship, temp_tally_);
  log().trace("After shuffle/radar\n");
  temp_tally_.dump_numbers();

  const TargetCandidate* list = target_list(match, temp_tally_, match.his_shots(), nullptr);
  log().tracef("Shooting at (%d,%d)\n", list[0].x, list[0].y);
  if (list[0].x == -1) return false;

  remove_ship(my_sea, ship);
  log().trace("After remove\n");
  my_sea.dump_numbers();
  log().trace("checking out the miscreants\n");
  my_sea.dump_letters(match.his_shots());

  if (!move_to_first_fit(match, log(), ship, list)) {
    match.report().warning_box(kRevertMessage);
    log().trace(kRevertMessage);
    match.mutable_settings().PlayLevel = kIntermediate;
    ship.set_cells(saved);
    place_ship(my_sea, ship);
    return false;
  }

  log().trace("After succesful try_fit\n");
  ship.dump();
  place_ship(my_sea, ship);
  log().trace("After place\n");
  my_sea.dump_numbers();
  return true;
}

}  // namespace vornmark
