// The GAMMA way of filling a volley: every unpinned afloat ship is down to a few placements, so
// each shot is spent on a different ship's region.

#include "opponent/opponent.h"
#include "report/reporter.h"
#include "setup/match.h"

namespace vornmark {

namespace {

bool afloat(const Ship& ship) { return ship.cells_left() > 0; }

}  // namespace

// After a shot at (column, row): every afloat ship that could lie there loses its whole region
// from "Tally", so no other shot of this volley is spent on it.
void Opponent::strip_regions(const Match& match, int column, int row) {
  for (int i = 0; i < kFleetSize; ++i) {
    const Board& region = reasoner_.ship_tally(i);
    if (region.at(column, row) != 0 && afloat(match.his_fleet()[static_cast<std::size_t>(i)])) {
      tally_.clear_under(region);
      log().tracef("TALLY after stripping ship %c", ship_letter(i));
      tally_.dump_numbers();
    } else {
      log().tracef("Ship %c not affected", ship_letter(i));
    }
  }
}

int Opponent::gamma_fire(Match& match, int fired) {
  tally_.clear();
  for (int i = 0; i < kFleetSize; ++i) {
    if (afloat(match.his_fleet()[static_cast<std::size_t>(i)])) {
      tally_.add(reasoner_.ship_tally(i));
      log().tracef("CERTAIN_TALLY[%c]", ship_letter(i));
      reasoner_.ship_tally(i).dump_numbers();
    } else {
      log().tracef("Ship %c sunk", ship_letter(i));
    }
  }

  const int volley = match.counters().computer_volley;
  while (fired < match.counters().computer_shots_per_volley) {
    log().trace("TALLY before stripping\n");
    tally_.dump_numbers();
    const TargetCandidate* list = target_list(match, tally_, match.my_shots(), nullptr, ListWanted::FirstOnly);
    if (list[0].x == -1) break;
    const int column = list[0].x;
    const int row = list[0].y;
    match.record_computer_shot(column, row);
    ++fired;
    log().tracef("V%d/R%d GAMMA fire @(%d,%d) ", volley, fired, column, row);
    strip_regions(match, column, row);
  }

  log().tracef("V%d  Tot shots taken: %d\n", volley, fired);
  return fired;
}

}  // namespace vornmark
