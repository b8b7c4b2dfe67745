#include "opponent/volley_planner.h"

#include "opponent/firing_phases.h"
#include "opponent/gamma_phase.h"
#include "opponent/placement_scan.h"
#include "report/reporter.h"
#include "setup/game.h"

namespace vornmark {

namespace {

// NumberOfShots less one for every hit scored on His fleet, never fewer than one.
int volley_size(const Game& game) {
  int hits = 0;
  for (const Ship& ship : game.his_fleet) hits += ship.hit_count();
  const int shots = game.settings.NumberOfShots - hits;
  return shots < 1 ? 1 : shots;
}

// Writes a pinned ship's id on "HIS SEA" wherever its only placement lies.
void mark_pinned(Game& game, int index) {
  Board& tally = game.ship_tallies[index];
  const int id = game.his_fleet[index].id();
  tally.restart_search(1);
  CellPos cell;
  while (tally.next_match(cell)) game.his_sea.at(cell.x, cell.y) = id;
}

// Scans every ship not yet pinned, again and again while a pass pins one: a pinned ship blocks
// its cells on "HIS SEA" for every ship scanned after it.
void pin_ships(Game& game) {
  TraceLog& log = game.report.log();
  bool pinned = true;
  while (pinned) {
    pinned = false;
    for (int i = 0; i < 4; ++i) {
      if (game.possib[i] == 1) continue;
      Board& tally = game.ship_tallies[i];
      tally.clear();
      game.possib[i] = scan_ship(game.my_shots, &game.his_sea, game.his_fleet[i], tally);
      if (game.possib[i] != 1) continue;
      pinned = true;
      log.tracef("Ship %c can only be at\n", ship_letter(i));
      mark_pinned(game, i);
      tally.dump_numbers();
    }
  }
}

}  // namespace

VolleyPhase plan_volley(Game& game) {
  game.platform().set_busy_cursor(true);
  TraceLog& log = game.report.log();
  const int grid = game.grid();
  game.wk_tots.set_size(grid, grid);
  game.wk_tots.clear();

  const int shots = volley_size(game);
  game.computer_shots_per_volley = shots;
  log.tracef("\n====== Volley %d, Shots: %d =======\n", game.computer_volley, shots);
  log.trace("His ships / my shots");
  game.his_real_ships.dump_letters(game.my_shots);

  game.his_sea.clear();
  game.possib.fill(0);
  pin_ships(game);

  for (int i = 0; i < 4; ++i)
    if (game.his_fleet[i].cells_left() > 0) game.wk_tots.add(game.ship_tallies[i]);
  log.trace("Cumulative probabilities");
  game.wk_tots.dump_numbers();

  const VolleyPhase phase = classify_fleet(game);
  log.tracef("\nPossib (A)%-3d  (B)%-3d  (C)%-3d  (D)%-3d\n", game.possib[0], game.possib[1], game.possib[2],
             game.possib[3]);

  int fired = 0;
  switch (phase) {
    case VolleyPhase::A:
    case VolleyPhase::B:
      fired = ab_fire(game, fired, shots);
      break;
    case VolleyPhase::Gamma:
      fired = gamma_fire(game, fired);
      break;
    case VolleyPhase::Novice:
      fired = novice_fire(game, fired, shots);
      break;
    case VolleyPhase::Delta:
      break;
  }
  if (fired < shots) {
    fired = delta_fire(game, fired, shots);
    if (fired < shots) {
      log.tracef("\nCouldn't place %d shots", shots - fired);
      game.report.warning_box(format_text("\nCouldn't place %d shots", shots - fired));
    }
  }

  game.platform().set_busy_cursor(false);
  return phase;
}

VolleyPhase classify_fleet(const Game& game) {
  if (game.settings.PlayLevel == kNovice) return VolleyPhase::Novice;
  int ambiguous = 0;
  int others = 0;
  for (int i = 0; i < 4; ++i) {
    if (game.possib[i] == 1 || game.his_fleet[i].cells_left() <= 0) continue;
    if (game.possib[i] > game.settings.AmbiguityThreshold)
      ++ambiguous;
    else
      ++others;
  }
  if (ambiguous > 0) return others > 0 ? VolleyPhase::B : VolleyPhase::A;
  return others > 0 ? VolleyPhase::Gamma : VolleyPhase::Delta;
}

const char* phase_letter(VolleyPhase phase) {
  switch (phase) {
    case VolleyPhase::A:
      return "A";
    case VolleyPhase::B:
      return "B";
    case VolleyPhase::Gamma:
      return "C";
    case VolleyPhase::Delta:
      return "D";
    case VolleyPhase::Novice:
      break;
  }
  return "";
}

}  // namespace vornmark
