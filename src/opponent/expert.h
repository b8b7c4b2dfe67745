#pragma once
// The Expert level: the Intermediate planner improved by search. Before each volley it draws
// fleets from what it knows (the fleet sampler), takes a few volleys the planner itself would
// fire under other tie-break draws and other thresholds (and, once every ship afloat has been
// hit, volleys built to split the fleets drawn), plays the rest of the game out from
// each of them against every fleet drawn with the planner (the same fleets and tie-break
// streams for every candidate), and fires the one that sank the fleets in the fewest volleys
// on average (if the work ran out early, only when it clearly beat the planner's own). A volley
// down to a single shot, where a hit costs nothing, goes to the likeliest cell without a search,
// in the rollouts too. Near the end, with volleys of two shots or one and few fleets left, it
// weighs every one of them instead (the last volleys' search) and fires what that chose. It
// reads the same evidence as the planner (the shots and the hits per ship and volley) and never
// moves its own ships.
//
// Its random numbers are its own: two draws of the match's generator per volley seed them, so
// a game repeats wherever the match's generator repeats (-D3, vornmark-sim's --seed), on any
// number of threads: the rollouts run side by side, and their outcomes are taken in one order.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/board.h"
#include "opponent/endgame_search.h"
#include "opponent/fleet_sampler.h"
#include "opponent/playout.h"
#include "opponent/rollout_workers.h"
#include "opponent/search_random.h"
#include "opponent/splitting_volley.h"
#include "setup/fleet.h"

namespace vornmark {

class Match;
class Opponent;
class Reporter;

struct ExpertLimits {
  int candidates = 8;  // volleys tried, the planner's own first
  int fleets = 200;    // fleets drawn from what is known
  // The work of one volley's search, in cells of the grid times volleys planned in the rollouts:
  // no new fleet is taken once it is spent, so that a volley stays within its time at every grid
  // size, the same on every machine. Three million keeps the longest volley of an optimised build
  // near 150 ms of processor time at 15 x 15 (the first volleys, whose rollouts are longest).
  long long work = 3'000'000;
  // Threads that play the rollouts; the volley chosen is the same on any number of them.
  int threads = default_search_threads();
  // The search of the last volleys over every fleet left (its largest_volley 0: never).
  EndgameLimits last_volleys{};
  // Volleys built to split the fleets drawn, tried beside the planner's once every ship afloat
  // has been hit (0 to 3: none, or with hits weighed from lightly to heavily).
  int splitting = 3;
};

// What the last volley's search did, for the trace, the view and the measurements.
struct ExpertFigures {
  int candidates = 0;  // distinct volleys tried
  int fleets = 0;      // fleets every candidate was played out against
  int chosen = 0;      // the index of the volley fired; 0 is the planner's own
  double chosen_mean = 0;
  double plain_mean = 0;
};

class Expert {
 public:
  explicit Expert(Reporter& reporter);
  Expert(const Expert&) = delete;
  Expert& operator=(const Expert&) = delete;

  // Plans and records the volley numbered by the match's computer_volley; `base` is the real
  // opponent, whose count of the player's fleet is brought up to date for the view.
  VolleyPhase plan_volley(Match& match, Opponent& base);

  void set_limits(const ExpertLimits& limits);
  const ExpertLimits& limits() const { return limits_; }
  const ExpertFigures& figures() const { return figures_; }
  // Per cell, the share of the drawn fleets with a ship there, in per cent, as the last volley
  // was chosen.
  const Board& chances() const { return chances_; }
  // Whether chances() belong to the volley `volley` of the game in play.
  bool has_chances_for(int volley) const { return chances_volley_ != 0 && chances_volley_ == volley; }
  // A new game, or one resumed: the chances kept are another game's.
  void forget_chances() { chances_volley_ = 0; }
  // Draws the chances of the volley shown again, from what was known before it, when they were
  // not kept (a game resumed, the level changed to Expert). The fleets come from a stream of
  // their own, so that nothing is drawn from the match's generator.
  void redraw_chances(const Match& match);
  const FleetSampler& sampler() const { return sampler_; }

 private:
  void draw_fleets(SearchRandom& random);
  // Records the volley's shots on the match and warns of any it could not place.
  VolleyPhase fire(Match& match, const PlannedVolley& chosen, int shots);
  void choose(SearchRandom& random);
  // Adds the splitting volleys to the candidates, when every ship afloat has been hit.
  void add_splitting_volleys(const Match& match, int shots, VolleyPhase phase);
  // Adds a volley to the candidates unless it is one of them already, or there is no room.
  void add_candidate(const PlannedVolley& candidate);
  // Plays out the live candidates against `count` fleets from `first` on, on every worker;
  // outcomes_ holds the volleys each took, fleet by fleet.
  void play_batch(int first, int count, const std::array<int, 32>& alive, int alive_count, SearchRandom& random);

  ExpertLimits limits_;
  ExpertFigures figures_;
  FleetSampler sampler_;
  EndgameSearch last_volleys_;
  SplittingVolleys splitting_;
  std::unique_ptr<RolloutWorkers> workers_;
  Board chances_;
  int chances_volley_ = 0;
  Board earlier_shots_;
  Fleet earlier_hits_;
  std::array<SampledFleet, 256> fleets_{};
  int fleet_count_ = 0;
  std::array<PlannedVolley, 32> candidates_{};
  int candidate_count_ = 0;
  std::array<long long, 32> totals_{};
  std::array<long long, 32> squares_{};  // of the differences from the planner's own, fleet by fleet
  std::vector<int> outcomes_;
  std::vector<std::uint32_t> streams_;
};

}  // namespace vornmark
