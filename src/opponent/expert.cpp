#include "opponent/expert.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "opponent/opponent.h"
#include "report/reporter.h"
#include "setup/match.h"

namespace vornmark {

namespace {

// The thresholds of the candidate volleys after the planner's own; 0 stands for the match's.
// The planner under other tie-break draws comes first, then lower and higher thresholds.
constexpr std::array<int, 31> kCandidateThresholds = {0, 0, 0, 7, 7,  5, 15, 0, 0,  7, 5, 20, 0, 7, 4, 15,
                                                      0, 0, 7, 5, 20, 0, 7,  4, 15, 0, 0, 7,  5, 3, 30};
// A volley other than the planner's own is chosen only on the evidence of this many fleets; on
// large grids with few shots a game is long, and the work allows few fleets in its early volleys.
constexpr int kFewestFleetsToChoose = 24;
// ... and, when the work ran out before every fleet drawn was played out, only when it beats the
// planner's own by this many standard errors of their paired difference. The best of several
// noisy means is flattered by the noise: in long games the rollouts vary by tens of volleys and
// few fleets fit the work, and without the margin the Expert fired the worse volleys that luck
// made look best. With every fleet played the noise is small enough to go by the means alone.
constexpr double kChoiceMargin = 2.0;
// The fleets every candidate is played out against before the worse half is dropped; each round
// after takes as many fleets as all before it.
constexpr int kFirstCut = 40;
// Attempts at one fleet before giving up: about four in five draws are accepted in play.
constexpr int kDrawTries = 400;

}  // namespace

Expert::Expert(Reporter& reporter)
    : sampler_(reporter),
      workers_(std::make_unique<RolloutWorkers>(limits_.threads)),
      chances_(reporter, "CHANCES"),
      earlier_shots_(reporter, "MY SHOTS"),
      earlier_hits_(make_fleet(reporter)) {
  chances_.allocate(kMaxGrid, kMaxGrid);
  earlier_shots_.allocate(kMaxGrid, kMaxGrid);
  // Room for the largest batch, so that a volley's search allocates nothing.
  streams_.reserve(fleets_.size());
  outcomes_.reserve(fleets_.size() * candidates_.size());
  describe_fleet(earlier_hits_, "His");
}

void Expert::redraw_chances(const Match& match) {
  const int grid = match.grid();
  const int volley = match.counters().computer_volley;
  chances_.set_size(grid, grid);
  earlier_shots_.set_size(grid, grid);
  for (int y = 0; y < grid; ++y)
    for (int x = 0; x < grid; ++x) {
      const std::int32_t shot = match.my_shots().cell(x, y);
      earlier_shots_.cell(x, y) = shot >= volley ? 0 : shot;
    }
  for (int i = 0; i < kFleetSize; ++i) {
    std::array<std::int32_t, Ship::kMaxCells> hits = match.his_fleet()[static_cast<std::size_t>(i)].hits();
    for (std::int32_t& hit : hits)
      if (hit >= volley) hit = 0;
    earlier_hits_[static_cast<std::size_t>(i)].restore_hits(hits);
  }
  SearchRandom random;
  random.seed(static_cast<std::uint64_t>(volley));
  sampler_.list_placements(earlier_shots_, earlier_hits_);
  draw_fleets(random);
  chances_volley_ = volley;
}

void Expert::set_limits(const ExpertLimits& limits) {
  limits_ = limits;
  last_volleys_.set_limits(limits.last_volleys);
  if (workers_->count() != std::max(1, limits.threads)) workers_ = std::make_unique<RolloutWorkers>(limits.threads);
}

void Expert::draw_fleets(SearchRandom& random) {
  fleet_count_ = 0;
  const int wanted = std::min(limits_.fleets, static_cast<int>(fleets_.size()));
  while (fleet_count_ < wanted && sampler_.draw(random, fleets_[static_cast<std::size_t>(fleet_count_)], kDrawTries))
    ++fleet_count_;

  chances_.clear();
  const int grid = sampler_.grid();
  for (int f = 0; f < fleet_count_; ++f)
    for (int i = 0; i < kFleetSize; ++i) {
      const std::int16_t* cells = sampler_.cells(i, fleets_[static_cast<std::size_t>(f)][static_cast<std::size_t>(i)]);
      for (int k = 0; k < sampler_.cell_count(i); ++k) chances_.cell(cells[k] % grid, cells[k] / grid) += 1;
    }
  if (fleet_count_ == 0) return;
  // Any fleet at all shows: a share below one per cent reads as one.
  for (int y = 0; y < grid; ++y)
    for (int x = 0; x < grid; ++x) {
      std::int32_t& cell = chances_.cell(x, y);
      cell = (100 * cell + fleet_count_ - 1) / fleet_count_;
    }
}

void Expert::play_batch(int first, int count, const std::array<int, 32>& alive, int alive_count,
                        SearchRandom& random) {
  // Each fleet's tie-break stream is the next draw, as if the fleets were played one by one.
  streams_.resize(static_cast<std::size_t>(count));
  for (std::uint32_t& stream : streams_) stream = random.next32();
  const int plays = count * alive_count;
  outcomes_.resize(static_cast<std::size_t>(plays));
  const int workers = workers_->count();
  auto job = [&](int worker, Playout& playout) {
    for (int k = worker; k < plays; k += workers) {
      const int fleet = k / alive_count;
      const auto candidate = static_cast<std::size_t>(alive[static_cast<std::size_t>(k % alive_count)]);
      outcomes_[static_cast<std::size_t>(k)] =
          playout.play_out(candidates_[candidate], sampler_, fleets_[static_cast<std::size_t>(first + fleet)],
                           streams_[static_cast<std::size_t>(fleet)]);
    }
  };
  workers_->run(job);
}

void Expert::choose(SearchRandom& random) {
  totals_.fill(0);
  squares_.fill(0);
  figures_.fleets = 0;
  if (fleet_count_ == 0 || candidate_count_ < 2) return;
  // Successive halving: every volley is played out against the first fleets, then the better half
  // of them against as many more, and so on until two are left, the planner's own always among
  // them; the last two meet on every fleet that remains. The work goes where the choice is made.
  std::array<int, 32> alive{};
  int alive_count = candidate_count_;
  for (int c = 0; c < candidate_count_; ++c) alive[static_cast<std::size_t>(c)] = c;
  const long long cells = static_cast<long long>(sampler_.grid()) * sampler_.grid();
  long long work = 0;   // volleys of the rollouts so far
  int cut = kFirstCut;
  int fleet = 0;
  bool spent = false;
  while (fleet < fleet_count_ && !spent) {
    // The fleets are played out in batches, a fleet for each worker, that end at the next cut.
    // The outcomes are then taken fleet by fleet as if played one after the other, so a
    // batch's size changes how long the search takes, never what it chooses; rollouts of a
    // batch beyond the end of the work are wasted, not counted.
    const int round_end = alive_count > 2 ? std::min(cut, fleet_count_) : fleet_count_;
    const int batch = std::min(workers_->count(), round_end - fleet);
    play_batch(fleet, batch, alive, alive_count, random);
    for (int b = 0; b < batch; ++b) {
      const int own = outcomes_[static_cast<std::size_t>(b * alive_count)];
      for (int a = 0; a < alive_count; ++a) {
        const int volleys = outcomes_[static_cast<std::size_t>(b * alive_count + a)];
        const auto c = static_cast<std::size_t>(alive[static_cast<std::size_t>(a)]);
        totals_[c] += volleys;
        squares_[c] += static_cast<long long>(volleys - own) * (volleys - own);
        work += volleys;
      }
      figures_.fleets = ++fleet;
      spent = work * cells >= limits_.work;
      if (spent) break;
    }
    if (!spent && fleet == cut && alive_count > 2) {
      std::stable_sort(alive.begin() + 1, alive.begin() + alive_count, [this](int x, int y) {
        return totals_[static_cast<std::size_t>(x)] < totals_[static_cast<std::size_t>(y)];
      });
      alive_count = 1 + std::max(1, (alive_count - 1) / 2);
      cut *= 2;
    }
  }
  // Too few fleets tell the candidates apart by chance only: the planner's own volley stands.
  if (figures_.fleets < kFewestFleetsToChoose) return;
  int best = 0;
  for (int a = 1; a < alive_count; ++a) {
    const int c = alive[static_cast<std::size_t>(a)];
    if (totals_[static_cast<std::size_t>(c)] < totals_[static_cast<std::size_t>(best)]) best = c;
  }
  if (best == 0) return;
  if (figures_.fleets == fleet_count_) {
    figures_.chosen = best;
    return;
  }
  // The paired difference with the planner's own volley, fleet by fleet: its mean and the
  // standard error of that mean. The planner's own volley is alive to the end, so the last
  // candidates were played on the same fleets as it.
  const double n = figures_.fleets;
  const double sum = static_cast<double>(totals_[static_cast<std::size_t>(best)] - totals_[0]);
  const double variance = (static_cast<double>(squares_[static_cast<std::size_t>(best)]) - sum * sum / n) / (n - 1);
  const double error = std::sqrt(std::max(0.0, variance) / n);
  if (sum / n + kChoiceMargin * error < 0) figures_.chosen = best;
}

VolleyPhase Expert::plan_volley(Match& match, Opponent& base) {
  match.platform().set_busy_cursor(true);
  base.resize(match.grid());
  chances_.set_size(match.grid(), match.grid());
  TraceLog& log = match.report().log();

  const int shots = volley_size(match);
  const int volley = match.counters().computer_volley;
  match.mutable_counters().computer_shots_per_volley = shots;
  log.tracef("\n====== Volley %d, Shots: %d (Expert) =======\n", volley, shots);
  log.trace("His ships / my shots");
  match.his_real_ships().dump_letters(match.my_shots());
  base.reasoner().count(match.my_shots(), match.his_fleet());

  // The search's own stream, seeded by two draws of the match's generator.
  const std::uint32_t high = static_cast<std::uint32_t>(match.random().draw());
  const std::uint32_t low = static_cast<std::uint32_t>(match.random().draw());
  SearchRandom random;
  random.seed(static_cast<std::uint64_t>(high) << 15 | low);

  sampler_.list_placements(match.my_shots(), match.his_fleet());
  draw_fleets(random);
  chances_volley_ = volley;

  candidate_count_ = 0;
  figures_ = ExpertFigures{};
  // Near the end, with few fleets left, every one of them is weighed instead of a sample.
  PlannedVolley searched;
  if (last_volleys_.choose(sampler_, match.my_shots(), hits_scored(match), match.settings().NumberOfShots, searched)) {
    searched.phase = base.classify_fleet(match);
    log.tracef("Expert: %d fleets left, every one weighed: %.3f volleys to go\n", last_volleys_.fleets(),
               last_volleys_.expected_volleys());
    figures_.candidates = 1;
    figures_.chosen_mean = last_volleys_.expected_volleys();
    return fire(match, searched, shots);
  }

  for (int w = 0; w < workers_->count(); ++w) workers_->playout(w).set_position(match);
  Playout& planner = workers_->playout(0);
  // Down to a single shot a volley can shrink no further, so a hit costs nothing: the shot goes
  // to the likeliest cell, with nothing to search.
  const PlannedVolley single = shots == 1 ? planner.likeliest() : PlannedVolley{};
  if (single.size > 0) add_candidate(single);
  const int wanted = single.size > 0 ? 0 : std::min(limits_.candidates, static_cast<int>(candidates_.size()));
  for (int k = 0; k < wanted; ++k) {
    const int threshold =
        kCandidateThresholds[static_cast<std::size_t>(k % static_cast<int>(kCandidateThresholds.size()))];
    add_candidate(planner.plan(threshold == 0 ? match.settings().AmbiguityThreshold : threshold, random.next32()));
  }
  if (shots > 1) add_splitting_volleys(match, shots, base.classify_fleet(match));
  figures_.candidates = candidate_count_;
  choose(random);

  const PlannedVolley& chosen = candidates_[static_cast<std::size_t>(figures_.chosen)];
  if (figures_.fleets > 0) {
    figures_.chosen_mean = static_cast<double>(totals_[static_cast<std::size_t>(figures_.chosen)]) / figures_.fleets;
    figures_.plain_mean = static_cast<double>(totals_[0]) / figures_.fleets;
  }
  log.tracef(
      "Expert: %d fleets drawn, %d volleys tried on %d of them; volley %d chosen, %.3f volleys to go "
      "(the planner's own %.3f)\n",
      fleet_count_, figures_.candidates, figures_.fleets, figures_.chosen, figures_.chosen_mean, figures_.plain_mean);
  return fire(match, chosen, shots);
}

void Expert::add_candidate(const PlannedVolley& candidate) {
  if (candidate_count_ == static_cast<int>(candidates_.size())) return;
  for (int c = 0; c < candidate_count_; ++c)
    if (candidates_[static_cast<std::size_t>(c)] == candidate) return;
  candidates_[static_cast<std::size_t>(candidate_count_++)] = candidate;
}

void Expert::add_splitting_volleys(const Match& match, int shots, VolleyPhase phase) {
  // While a ship is still to be found the planner's volleys hunt it; splitting volleys then did
  // no better, and made some games much longer.
  if (!every_ship_hit(match.his_fleet())) return;
  const int count = std::min(limits_.splitting, static_cast<int>(kSplittingHitCosts.size()));
  if (count <= 0 || fleet_count_ == 0) return;
  splitting_.set_fleets(sampler_, fleets_.data(), fleet_count_, match.my_shots());
  for (int k = 0; k < count; ++k) {
    PlannedVolley volley = splitting_.build(shots, kSplittingHitCosts[static_cast<std::size_t>(k)]);
    volley.phase = phase;
    if (volley.size == shots) add_candidate(volley);
  }
}

VolleyPhase Expert::fire(Match& match, const PlannedVolley& chosen, int shots) {
  TraceLog& log = match.report().log();
  const int volley = match.counters().computer_volley;
  const int grid = match.grid();
  for (int i = 0; i < chosen.size; ++i) {
    const int cell = chosen.cells[static_cast<std::size_t>(i)];
    match.record_computer_shot(cell % grid, cell / grid);
    log.tracef("V%d/R%d EXPERT fire @(%d,%d) ", volley, i + 1, cell % grid, cell / grid);
  }
  if (chosen.size < shots) {
    log.tracef("\nCouldn't place %d shots", shots - chosen.size);
    char text[48];
    std::snprintf(text, sizeof text, "\nCouldn't place %d shots", shots - chosen.size);
    match.report().warning_box(text);
  }

  match.platform().set_busy_cursor(false);
  return chosen.phase;
}

}  // namespace vornmark
