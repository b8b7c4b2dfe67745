// The computer's volley: the count of the player's fleet, the phase, and the shots chosen one at
// a time and recorded on "MY SHOTS".

#include <cstdio>

#include "opponent/expert.h"
#include "opponent/opponent.h"
#include "report/reporter.h"
#include "setup/match.h"

namespace vornmark {

int hits_scored(const Match& match) {
  int hits = 0;
  for (const Ship& ship : match.his_fleet()) hits += ship.hit_count();
  return hits;
}

int volley_size(const Match& match) {
  const int shots = match.settings().NumberOfShots - hits_scored(match);
  return shots < 1 ? 1 : shots;
}

VolleyPhase Opponent::plan_volley(Match& match) {
  if (match.settings().PlayLevel == kExpert) return mutable_expert().plan_volley(match, *this);
  match.platform().set_busy_cursor(true);
  resize(match.grid());

  const int shots = volley_size(match);
  const int volley = match.counters().computer_volley;
  match.mutable_counters().computer_shots_per_volley = shots;
  log().tracef("\n====== Volley %d, Shots: %d =======\n", volley, shots);
  log().trace("His ships / my shots");
  match.his_real_ships().dump_letters(match.my_shots());

  reasoner_.count(match.my_shots(), match.his_fleet());

  const VolleyPhase phase = classify_fleet(match);
  const auto& possib = reasoner_.possib();
  log().tracef("\nPossib (A)%-3d  (B)%-3d  (C)%-3d  (D)%-3d\n", possib[0], possib[1], possib[2], possib[3]);

  int fired = 0;
  switch (phase) {
    case VolleyPhase::A:
    case VolleyPhase::B:
      fired = ab_fire(match, fired, shots);
      break;
    case VolleyPhase::Gamma:
      fired = gamma_fire(match, fired);
      break;
    case VolleyPhase::Novice:
      fired = novice_fire(match, fired, shots);
      break;
    case VolleyPhase::Delta:
      break;
  }
  if (fired < shots) {
    fired = delta_fire(match, fired, shots);
    if (fired < shots) {
      log().tracef("\nCouldn't place %d shots", shots - fired);
      // Formatted on the stack: a shortfall in the Expert's rollouts allocates nothing either.
      char text[48];
      std::snprintf(text, sizeof text, "\nCouldn't place %d shots", shots - fired);
      match.report().warning_box(text);
    }
  }

  match.platform().set_busy_cursor(false);
  return phase;
}

VolleyPhase Opponent::classify_fleet(const Match& match) const {
  const GameSettings& settings = match.settings();
  if (settings.PlayLevel == kNovice) return VolleyPhase::Novice;
  int ambiguous = 0;
  int others = 0;
  for (int i = 0; i < kFleetSize; ++i) {
    const int possib = reasoner_.possib()[static_cast<std::size_t>(i)];
    if (possib == 1 || match.his_fleet()[static_cast<std::size_t>(i)].cells_left() <= 0) continue;
    if (possib > settings.AmbiguityThreshold)
      ++ambiguous;
    else
      ++others;
  }
  if (ambiguous > 0) return others > 0 ? VolleyPhase::B : VolleyPhase::A;
  return others > 0 ? VolleyPhase::Gamma : VolleyPhase::Delta;
}

}  // namespace vornmark
