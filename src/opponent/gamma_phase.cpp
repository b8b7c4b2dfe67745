#include "opponent/gamma_phase.h"

#include "opponent/target_list.h"
#include "setup/game.h"

namespace vornmark {

namespace {

bool afloat(const Ship& ship) { return ship.cells_left() > 0; }

// After a shot at (column, row): every afloat ship that could lie there loses its whole region
// from "Tally", so no other shot of this volley is spent on it.
void strip_regions(Game& game, int column, int row) {
  TraceLog& log = game.report.log();
  for (int i = 0; i < 4; ++i) {
    Board& region = game.ship_tallies[i];
    if (region.at(column, row) != 0 && afloat(game.his_fleet[i])) {
      game.tally.clear_under(region);
      log.tracef("TALLY after stripping ship %c", ship_letter(i));
      game.tally.dump_numbers();
    } else {
      log.tracef("Ship %c not affected", ship_letter(i));
    }
  }
}

}  // namespace

int gamma_fire(Game& game, int fired) {
  TraceLog& log = game.report.log();
  game.tally.clear();
  for (int i = 0; i < 4; ++i) {
    if (afloat(game.his_fleet[i])) {
      game.tally.add(game.ship_tallies[i]);
      log.tracef("CERTAIN_TALLY[%c]", ship_letter(i));
      game.ship_tallies[i].dump_numbers();
    } else {
      log.tracef("Ship %c sunk", ship_letter(i));
    }
  }

  while (fired < game.computer_shots_per_volley) {
    log.trace("TALLY before stripping\n");
    game.tally.dump_numbers();
    const TargetCandidate* list = target_list(game, game.tally, game.my_shots, nullptr);
    if (list[0].x == -1) break;
    const int column = list[0].x;
    const int row = list[0].y;
    game.my_shots.record_shot(game.computer_volley, column, row);
    ++fired;
    log.tracef("V%d/R%d GAMMA fire @(%d,%d) ", game.computer_volley, fired, column, row);
    strip_regions(game, column, row);
  }

  log.tracef("V%d  Tot shots taken: %d\n", game.computer_volley, fired);
  return fired;
}

}  // namespace vornmark
