#include "opponent/firing_phases.h"

#include "opponent/placement_scan.h"
#include "opponent/target_list.h"
#include "setup/game.h"

namespace vornmark {

namespace {

bool afloat(const Ship& ship) { return ship.cells_left() > 0; }

// The afloat ship with the greatest positive match total, the first among equals; -1 if none.
int ghost_ship(const Game& game) {
  int ghost = -1;
  int best = 0;
  for (int i = 0; i < 4; ++i) {
    const Ship& ship = game.his_fleet[i];
    if (afloat(ship) && ship.tot_matches() > best) {
      best = ship.tot_matches();
      ghost = i;
    }
  }
  return ghost;
}

// Clears from "Tally" the regions of the ships with few placements left, so that the ghost
// ship is hunted away from them.
void filter_sub_threshold_ships(Game& game) {
  TraceLog& log = game.report.log();
  for (int i = 0; i < 4; ++i) {
    if (game.possib[i] > game.settings.AmbiguityThreshold) continue;
    const char letter = ship_letter(i);
    log.tracef("Filter for Sub-AT ship %c", letter);
    game.ship_tallies[i].dump_numbers();
    if (game.tally.clear_under(game.ship_tallies[i]) > 0) {
      log.tracef("A/B for ghost ship, after filtering ship %c\n", letter);
      game.tally.dump_numbers();
    } else {
      log.tracef("Ship %c filtered nothing", letter);
    }
  }
}

}  // namespace

int ab_fire(Game& game, int fired, int shots) {
  TraceLog& log = game.report.log();
  log.trace("A/B phase \n");
  for (;;) {
    game.tally.clear();
    const int ghost = ghost_ship(game);
    if (ghost < 0) return fired;
    const int count = scan_ship(game.my_shots, &game.his_sea, game.his_fleet[ghost], game.tally);
    log.tracef("A/B for ghost ship %c, before filter\n", ship_letter(ghost));
    game.tally.dump_numbers();
    filter_sub_threshold_ships(game);
    if (count <= 0) return fired;

    const TargetCandidate* list = target_list(game, game.tally, game.my_shots, &game.wk_tots);
    if (list[0].x == -1) return fired;
    game.my_shots.record_shot(game.computer_volley, list[0].x, list[0].y);
    ++fired;
    log.tracef("V%d/R%d FIRE %c(%d,%d) possib=%d ", game.computer_volley, fired, ship_letter(ghost), list[0].x,
               list[0].y, count);
    if (fired >= shots) return fired;
  }
}

int novice_fire(Game& game, int fired, int shots) {
  while (fired < shots) {
    const TargetCandidate* list = target_list(game, game.wk_tots, game.my_shots, nullptr);
    if (list[0].x == -1) break;
    game.my_shots.record_shot(game.computer_volley, list[0].x, list[0].y);
    ++fired;
    game.report.log().tracef("V%d/R%d FIRE %c(%d,%d) possib=%d ", game.computer_volley, fired, 'A', list[0].x,
                             list[0].y, 0);
  }
  return fired;
}

int delta_fire(Game& game, int fired, int shots) {
  TraceLog& log = game.report.log();
  while (fired < shots) {
    game.tally.clear();
    game.his_sea.clear();
    int total = 0;
    for (Ship& ship : game.his_fleet)
      if (afloat(ship)) total += scan_ship(game.my_shots, &game.his_sea, ship, game.tally);
    log.trace("DELTA phase, going after everything");
    game.tally.dump_numbers();
    if (total == 0) break;

    const TargetCandidate* list = target_list(game, game.tally, game.my_shots, nullptr);
    if (list[0].x == -1) break;
    game.my_shots.record_shot(game.computer_volley, list[0].x, list[0].y);
    ++fired;
    log.tracef("DELTA firing at (%d,%d)", list[0].x, list[0].y);
  }
  return fired;
}

}  // namespace vornmark
