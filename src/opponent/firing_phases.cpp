// The A/B, Novice and DELTA ways of filling a volley.

#include "opponent/opponent.h"
#include "opponent/placement_scan.h"
#include "report/reporter.h"
#include "setup/match.h"

namespace vornmark {

namespace {

bool afloat(const Ship& ship) { return ship.cells_left() > 0; }

}  // namespace

// The afloat ship with the greatest positive match total, the first among equals; -1 if none.
int Opponent::ghost_ship() const {
  int ghost = -1;
  int best = 0;
  for (int i = 0; i < kFleetSize; ++i) {
    const Ship& ship = reasoner_.guesses()[static_cast<std::size_t>(i)];
    if (afloat(ship) && ship.tot_matches() > best) {
      best = ship.tot_matches();
      ghost = i;
    }
  }
  return ghost;
}

// Clears from "Tally" the regions of the ships with few placements left, so that the ghost ship
// is hunted away from them.
void Opponent::filter_sub_threshold_ships(const Match& match) {
  for (int i = 0; i < kFleetSize; ++i) {
    if (reasoner_.possib()[static_cast<std::size_t>(i)] > match.settings().AmbiguityThreshold) continue;
    const char letter = ship_letter(i);
    log().tracef("Filter for Sub-AT ship %c", letter);
    reasoner_.ship_tally(i).dump_numbers();
    if (tally_.clear_under(reasoner_.ship_tally(i)) > 0) {
      log().tracef("A/B for ghost ship, after filtering ship %c\n", letter);
      tally_.dump_numbers();
    } else {
      log().tracef("Ship %c filtered nothing", letter);
    }
  }
}

int Opponent::ab_fire(Match& match, int fired, int shots) {
  log().trace("A/B phase \n");
  const int volley = match.counters().computer_volley;
  for (;;) {
    tally_.clear();
    const int ghost = ghost_ship();
    if (ghost < 0) return fired;
    const int count = scan_ship(match.my_shots(), &reasoner_.occupancy(),
                                reasoner_.guesses()[static_cast<std::size_t>(ghost)], tally_);
    log().tracef("A/B for ghost ship %c, before filter\n", ship_letter(ghost));
    tally_.dump_numbers();
    filter_sub_threshold_ships(match);
    if (count <= 0) return fired;

    const TargetCandidate* list = target_list(match, tally_, match.my_shots(), &reasoner_.cumulative(), ListWanted::FirstOnly);
    if (list[0].x == -1) return fired;
    match.record_computer_shot(list[0].x, list[0].y);
    ++fired;
    log().tracef("V%d/R%d FIRE %c(%d,%d) possib=%d ", volley, fired, ship_letter(ghost), list[0].x, list[0].y, count);
    if (fired >= shots) return fired;
  }
}

int Opponent::novice_fire(Match& match, int fired, int shots) {
  const int volley = match.counters().computer_volley;
  while (fired < shots) {
    const TargetCandidate* list = target_list(match, reasoner_.cumulative(), match.my_shots(), nullptr, ListWanted::FirstOnly);
    if (list[0].x == -1) break;
    match.record_computer_shot(list[0].x, list[0].y);
    ++fired;
    log().tracef("V%d/R%d FIRE %c(%d,%d) possib=%d ", volley, fired, 'A', list[0].x, list[0].y, 0);
  }
  return fired;
}

int Opponent::delta_fire(Match& match, int fired, int shots) {
  Board& his_sea = reasoner_.mutable_occupancy();
  while (fired < shots) {
    tally_.clear();
    his_sea.clear();
    int total = 0;
    for (Ship& ship : reasoner_.guesses())
      if (afloat(ship)) total += scan_ship(match.my_shots(), &his_sea, ship, tally_);
    log().trace("DELTA phase, going after everything");
    tally_.dump_numbers();
    if (total == 0) break;

    const TargetCandidate* list = target_list(match, tally_, match.my_shots(), nullptr, ListWanted::FirstOnly);
    if (list[0].x == -1) break;
    match.record_computer_shot(list[0].x, list[0].y);
    ++fired;
    log().tracef("DELTA firing at (%d,%d)", list[0].x, list[0].y);
  }
  return fired;
}

}  // namespace vornmark
