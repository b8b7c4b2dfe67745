#include "opponent/endgame_search.h"

#include <algorithm>
#include <bit>

#include "model/board.h"
#include "setup/settings.h"

namespace vornmark {

namespace {

// Combinations of placements to list at most: about four in five are fleets, their ships apart.
constexpr long long kMostCombinations = 100'000;
// The states remembered: a table of 2^17, filled to seven tenths at most.
constexpr std::size_t kKnownSize = std::size_t{1} << 17;
constexpr std::size_t kMostKnown = kKnownSize / 10 * 7;
// The cells in play at most, a bit each.
constexpr int kMostCells = 64;
// Values closer than this are equal: the volley tried first stands.
constexpr double kTie = 1e-9;

// The bits set in a word known to hold few: quicker than a population count on processors
// without the instruction, which a portable build may not use.
int few_bits(std::uint64_t word) {
  int bits = 0;
  for (; word != 0; word &= word - 1) ++bits;
  return bits;
}

int hits_in(unsigned key) {
  int hits = 0;
  for (int i = 0; i < kFleetSize; ++i) hits += static_cast<int>(key >> (2 * i) & 3);
  return hits;
}

// Volleys of 1 to `largest` shots among `cells` cells.
long long volleys_among(int cells, int largest) {
  long long total = 0;
  long long ways = 1;
  for (int k = 1; k <= largest; ++k) {
    ways = ways * (cells - k + 1) / k;
    total += ways;
  }
  return total;
}

}  // namespace

EndgameSearch::EndgameSearch() {
  fleets_.reserve(kMostCombinations);
  weights_.reserve(kMostCombinations);
  fleet_keys_.reserve(kMostCombinations);
  cells_.reserve(kMostCells);
  local_.reserve(static_cast<std::size_t>(kMaxGrid * kMaxGrid));
  taken_.reserve(static_cast<std::size_t>(kMaxGrid * kMaxGrid));
  known_.resize(kKnownSize);
  set_limits(EndgameLimits{});
}

void EndgameSearch::set_limits(const EndgameLimits& limits) {
  limits_ = limits;
  limits_.largest_volley = std::clamp(limits.largest_volley, 0, 3);
  limits_.depth = std::clamp(limits.depth, 1, 3);
  limits_.fleets = static_cast<int>(std::clamp<long long>(limits.fleets, 1, kMostCombinations));
  // Each state searched lists its volleys; each state on the way down, its fleets and their
  // outcomes. The volleys at the likeliest cells go one cell deeper at least each time.
  const long long volleys = volleys_among(kMostCells, std::max(1, limits_.largest_volley));
  candidates_.reserve(static_cast<std::size_t>(limits_.depth * volleys));
  arena_.reserve(static_cast<std::size_t>((limits_.depth + kMostCells + 2) * 2LL * limits_.fleets));
}

int EndgameSearch::volleys_when_known(int hits, int cells_left) const {
  int volleys = 0;
  while (cells_left > 0) {
    const int shots = std::max(1, number_of_shots_ - hits);
    const int fired = std::min(shots, cells_left);
    cells_left -= fired;
    hits += fired;
    ++volleys;
  }
  return volleys;
}

std::uint64_t EndgameSearch::cells_of(int first, int count) const {
  std::uint64_t cells = 0;
  for (int n = first; n < first + count; ++n)
    for (const std::uint64_t ship : fleets_[static_cast<std::size_t>(arena_[static_cast<std::size_t>(n)])]) cells |= ship;
  return cells;
}

std::uint64_t EndgameSearch::key_of(int first, int count) const {
  std::uint64_t key = 0;
  for (int n = first; n < first + count; ++n) key ^= fleet_keys_[static_cast<std::size_t>(arena_[static_cast<std::size_t>(n)])];
  return key;
}

unsigned EndgameSearch::outcome_key(int fleet, std::uint64_t volley) const {
  const FleetCells& cells = fleets_[static_cast<std::size_t>(fleet)];
  unsigned key = 0;
  for (int i = 0; i < kFleetSize; ++i)
    key |= static_cast<unsigned>(few_bits(cells[static_cast<std::size_t>(i)] & volley)) << (2 * i);
  return key;
}

const EndgameSearch::Known* EndgameSearch::find(std::uint64_t fleets, std::uint64_t shot, int depth) const {
  const std::uint64_t hash = (fleets ^ (shot * 0x9E3779B97F4A7C15ULL)) + static_cast<std::uint64_t>(depth);
  for (std::size_t i = (hash ^ (hash >> 29)) & (kKnownSize - 1);; i = (i + 1) & (kKnownSize - 1)) {
    const Known& known = known_[i];
    if (known.stamp != stamp_) return nullptr;
    if (known.fleets == fleets && known.shot == shot && known.depth == depth) return &known;
  }
}

void EndgameSearch::remember(std::uint64_t fleets, std::uint64_t shot, int depth, double value) {
  // A full table takes no more: the states left out are searched again when met.
  if (remembered_ >= kMostKnown) return;
  const std::uint64_t hash = (fleets ^ (shot * 0x9E3779B97F4A7C15ULL)) + static_cast<std::uint64_t>(depth);
  std::size_t i = (hash ^ (hash >> 29)) & (kKnownSize - 1);
  while (known_[i].stamp == stamp_) i = (i + 1) & (kKnownSize - 1);
  known_[i] = Known{fleets, shot, value, stamp_, depth};
  ++remembered_;
}

bool EndgameSearch::list_fleets(const FleetSampler& sampler, const Board& shots) {
  long long combinations = 1;
  for (int i = 0; i < kFleetSize; ++i) {
    combinations *= sampler.placements(i);
    if (combinations == 0 || combinations > kMostCombinations) return false;
  }
  const int grid = sampler.grid();
  // Every combination of placements whose ships share no cell: ship by ship, each placement
  // tried on the cells the ships before it left free.
  taken_.assign(static_cast<std::size_t>(grid * grid), 0);
  auto each_fleet = [&](auto&& visit) {
    std::array<int, kFleetSize> pick{};
    auto place = [&](auto&& self, int ship) -> void {
      if (ship == kFleetSize) {
        visit(pick);
        return;
      }
      for (int p = 0; p < sampler.placements(ship); ++p) {
        const std::int16_t* c = sampler.cells(ship, p);
        const int n = sampler.cell_count(ship);
        if (std::any_of(c, c + n, [&](std::int16_t cell) { return taken_[static_cast<std::size_t>(cell)] != 0; }))
          continue;
        for (int k = 0; k < n; ++k) taken_[static_cast<std::size_t>(c[k])] = 1;
        pick[static_cast<std::size_t>(ship)] = p;
        self(self, ship + 1);
        for (int k = 0; k < n; ++k) taken_[static_cast<std::size_t>(c[k])] = 0;
      }
    };
    place(place, 0);
  };
  auto unshot = [&](int cell) { return shots.cell(cell % grid, cell / grid) == 0; };

  // The cells in play, those of some fleet not shot yet, in row order.
  local_.assign(static_cast<std::size_t>(grid * grid), -1);
  fleet_count_ = 0;
  each_fleet([&](const std::array<int, kFleetSize>& pick) {
    ++fleet_count_;
    for (int i = 0; i < kFleetSize; ++i) {
      const std::int16_t* c = sampler.cells(i, pick[static_cast<std::size_t>(i)]);
      for (int k = 0; k < sampler.cell_count(i); ++k)
        if (unshot(c[k])) local_[static_cast<std::size_t>(c[k])] = 0;
    }
  });
  if (fleet_count_ == 0) return false;
  cells_.clear();
  int empty = 0;
  for (int cell = 0; cell < grid * grid; ++cell) {
    if (local_[static_cast<std::size_t>(cell)] < 0) {
      empty += unshot(cell) ? 1 : 0;
      continue;
    }
    if (static_cast<int>(cells_.size()) == kMostCells) return false;
    local_[static_cast<std::size_t>(cell)] = static_cast<int>(cells_.size());
    cells_.push_back(cell);
  }
  empty_cells_ = empty;

  fleets_.clear();
  each_fleet([&](const std::array<int, kFleetSize>& pick) {
    FleetCells fleet{};
    for (int i = 0; i < kFleetSize; ++i) {
      const std::int16_t* c = sampler.cells(i, pick[static_cast<std::size_t>(i)]);
      for (int k = 0; k < sampler.cell_count(i); ++k)
        if (unshot(c[k])) fleet[static_cast<std::size_t>(i)] |= std::uint64_t{1} << local_[static_cast<std::size_t>(c[k])];
    }
    fleets_.push_back(fleet);
  });
  // Fleets alike in every cell still to be hit (they differ only where all is hit already) play
  // out alike: each is kept once, weighed by how many it stands for.
  std::sort(fleets_.begin(), fleets_.end());
  weights_.clear();
  std::size_t kept = 0;
  for (std::size_t f = 0; f < fleets_.size(); ++f) {
    if (kept > 0 && fleets_[kept - 1] == fleets_[f]) {
      ++weights_.back();
      continue;
    }
    fleets_[kept++] = fleets_[f];
    weights_.push_back(1);
  }
  fleets_.resize(kept);
  if (static_cast<int>(kept) > limits_.fleets) return false;
  fleet_cells_ = 0;
  for (int i = 0; i < kFleetSize; ++i) fleet_cells_ += sampler.cell_count(i);
  // Each fleet's key, the same in every search.
  fleet_keys_.clear();
  std::uint64_t seed = 0x2545F4914F6CDD1DULL;
  for (std::size_t f = 0; f < kept; ++f) {
    seed += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = seed;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    fleet_keys_.push_back(z ^ (z >> 31));
  }
  return true;
}

int EndgameSearch::split(int first, int count, std::uint64_t volley, std::array<Outcome, kMostOutcomes>& outcomes) {
  int found = 0;
  for (int n = first; n < first + count; ++n) {
    const int fleet = arena_[static_cast<std::size_t>(n)];
    const unsigned key = outcome_key(fleet, volley);
    int o = 0;
    while (o < found && outcomes[static_cast<std::size_t>(o)].key != key) ++o;
    if (o == found) outcomes[static_cast<std::size_t>(found++)] = Outcome{key, 0, hits_in(key)};
    outcomes[static_cast<std::size_t>(o)].weight += weights_[static_cast<std::size_t>(fleet)];
  }
  work_ += count;
  return found;
}

double EndgameSearch::bound(const std::array<Outcome, kMostOutcomes>& outcomes, int found, int hits, int& weight) const {
  weight = 0;
  for (int o = 0; o < found; ++o) weight += outcomes[static_cast<std::size_t>(o)].weight;
  double volleys = 1;
  for (int o = 0; o < found; ++o) {
    const Outcome& outcome = outcomes[static_cast<std::size_t>(o)];
    volleys += outcome.weight * static_cast<double>(volleys_when_known(hits + outcome.hits, fleet_cells_ - hits - outcome.hits)) / weight;
  }
  return volleys;
}

double EndgameSearch::value_after(int first, int count, std::uint64_t shot, int hits, std::uint64_t volley, int depth,
                                  double enough) {
  std::array<Outcome, kMostOutcomes> outcomes{};
  const int found = split(first, count, volley, outcomes);
  const int cells_left = fleet_cells_ - hits;
  int weight = 0;
  // Each outcome's own value replaces its part of the bound as it is found.
  double total = bound(outcomes, found, hits, weight);
  const std::size_t base = arena_.size();
  if (base + 2 * static_cast<std::size_t>(count) > arena_.capacity()) {
    out_of_room_ = true;
    return -1;
  }
  for (int n = first; n < first + count; ++n)
    arena_.push_back(static_cast<int>(outcome_key(arena_[static_cast<std::size_t>(n)], volley)));
  for (int o = 0; o < found && total < enough - kTie; ++o) {
    const Outcome& outcome = outcomes[static_cast<std::size_t>(o)];
    const int child = static_cast<int>(arena_.size());
    for (int n = 0; n < count; ++n)
      if (static_cast<unsigned>(arena_[base + static_cast<std::size_t>(n)]) == outcome.key)
        arena_.push_back(arena_[static_cast<std::size_t>(first + n)]);
    const int child_count = static_cast<int>(arena_.size()) - child;
    const double after = depth == 0 ? greedy_value(child, child_count, shot | volley, hits + outcome.hits)
                                    : value(child, child_count, shot | volley, hits + outcome.hits, depth, nullptr);
    arena_.resize(static_cast<std::size_t>(child));
    if (after < 0) {
      total = -1;
      break;
    }
    total += outcome.weight * (after - volleys_when_known(hits + outcome.hits, cells_left - outcome.hits)) / weight;
  }
  arena_.resize(base);
  return total;
}

double EndgameSearch::greedy_value(int first, int count, std::uint64_t shot, int hits) {
  const int cells_left = fleet_cells_ - hits;
  if (cells_left <= 0) return 0;
  if (count == 1) return volleys_when_known(hits, cells_left);
  const std::uint64_t in_play = cells_of(first, count);
  const std::uint64_t open = in_play & ~shot;
  shot &= in_play;  // shots elsewhere tell nothing more about these fleets
  const std::uint64_t fleets = key_of(first, count);
  if (const Known* known = find(fleets, shot, 0)) return known->value;

  // The likeliest cells, as many as the volley has shots: by the fleets that fill them, the first
  // in row order among equals.
  std::array<int, kMostCells> filled{};
  for (int n = first; n < first + count; ++n) {
    const int fleet = arena_[static_cast<std::size_t>(n)];
    for (const std::uint64_t ship : fleets_[static_cast<std::size_t>(fleet)])
      for (std::uint64_t rest = ship & open; rest != 0; rest &= rest - 1)
        filled[static_cast<std::size_t>(std::countr_zero(rest))] += weights_[static_cast<std::size_t>(fleet)];
  }
  std::uint64_t volley = 0;
  const int shots = std::max(1, number_of_shots_ - hits);
  for (int s = 0; s < shots; ++s) {
    int pick = -1;
    for (std::uint64_t rest = open & ~volley; rest != 0; rest &= rest - 1) {
      const int c = std::countr_zero(rest);
      if (pick < 0 || filled[static_cast<std::size_t>(c)] > filled[static_cast<std::size_t>(pick)]) pick = c;
    }
    if (pick < 0) break;
    volley |= std::uint64_t{1} << pick;
  }
  const double result = value_after(first, count, shot, hits, volley, 0, 1e300);
  if (result >= 0) remember(fleets, shot, 0, result);
  return result;
}

double EndgameSearch::value(int first, int count, std::uint64_t shot, int hits, int depth, std::uint64_t* best) {
  const int cells_left = fleet_cells_ - hits;
  if (cells_left <= 0) return 0;
  if (best == nullptr && count == 1) return volleys_when_known(hits, cells_left);
  if (work_ > limits_.work || out_of_room_) return -1;
  const int shots = std::max(1, number_of_shots_ - hits);
  const std::uint64_t in_play = cells_of(first, count);
  const std::uint64_t open = in_play & ~shot;
  shot &= in_play;  // shots elsewhere tell nothing more about these fleets
  const std::uint64_t fleets = key_of(first, count);
  if (best == nullptr)
    if (const Known* known = find(fleets, shot, depth)) return known->value;

  // Cells that every fleet fills with the same ship, or leaves empty, alike are interchangeable:
  // a volley takes the first ones of such a class only.
  std::array<std::uint64_t, kMostCells> signature{};
  for (int n = first; n < first + count; ++n) {
    const int fleet = arena_[static_cast<std::size_t>(n)];
    const FleetCells& cells = fleets_[static_cast<std::size_t>(fleet)];
    for (int i = 0; i < kFleetSize; ++i)
      for (std::uint64_t rest = cells[static_cast<std::size_t>(i)] & open; rest != 0; rest &= rest - 1)
        signature[static_cast<std::size_t>(std::countr_zero(rest))] +=
            fleet_keys_[static_cast<std::size_t>(fleet)] * static_cast<std::uint64_t>(i + 1);
  }
  // The open cells in order, each with the one before it in its class (-1 for the first).
  std::array<int, kMostCells> open_cells{};
  std::array<int, kMostCells> previous{};
  int open_count = 0;
  for (std::uint64_t rest = open; rest != 0; rest &= rest - 1) {
    const int cell = std::countr_zero(rest);
    int before = -1;
    for (int k = open_count - 1; k >= 0 && before < 0; --k)
      if (signature[static_cast<std::size_t>(open_cells[static_cast<std::size_t>(k)])] == signature[static_cast<std::size_t>(cell)])
        before = k;
    previous[static_cast<std::size_t>(open_count)] = before;
    open_cells[static_cast<std::size_t>(open_count++)] = cell;
  }

  // Every volley of one shot up to the volley's size at cells in play (the rest, if any, where no
  // ship can be), with the fewest volleys it can lead to: each outcome's, were its fleet known.
  const std::size_t base = candidates_.size();
  std::array<Outcome, kMostOutcomes> outcomes{};
  auto enumerate = [&](auto& self, int size, int from, int chosen, std::uint64_t volley) -> void {
    if (chosen == size) {
      if (candidates_.size() == candidates_.capacity()) {
        out_of_room_ = true;
        return;
      }
      const int found = split(first, count, volley, outcomes);
      int weight = 0;
      candidates_.push_back(Candidate{bound(outcomes, found, hits, weight), volley, static_cast<int>(candidates_.size() - base)});
      return;
    }
    for (int k = from; k < open_count && !out_of_room_; ++k) {
      const int before = previous[static_cast<std::size_t>(k)];
      if (before >= 0 && (volley >> open_cells[static_cast<std::size_t>(before)] & 1) == 0) continue;
      self(self, size, k + 1, chosen + 1, volley | std::uint64_t{1} << open_cells[static_cast<std::size_t>(k)]);
    }
  };
  for (int size = 1; size <= std::min({shots, open_count, limits_.largest_volley}); ++size)
    if (shots - size <= empty_cells_) enumerate(enumerate, size, 0, 0, 0);
  if (out_of_room_ || work_ > limits_.work || candidates_.size() == base) {
    candidates_.resize(base);
    return -1;
  }
  std::sort(candidates_.begin() + static_cast<std::ptrdiff_t>(base), candidates_.end(),
            [](const Candidate& a, const Candidate& b) { return a.bound != b.bound ? a.bound < b.bound : a.order < b.order; });

  double best_value = 1e300;
  std::uint64_t best_volley = 0;
  for (std::size_t c = base; c < candidates_.size(); ++c) {
    const Candidate candidate = candidates_[c];
    if (candidate.bound >= best_value - kTie) break;
    const double after = value_after(first, count, shot, hits, candidate.cells, depth - 1, best_value);
    if (after < 0) {
      candidates_.resize(base);
      return -1;
    }
    if (after < best_value - kTie) {
      best_value = after;
      best_volley = candidate.cells;
    }
  }
  candidates_.resize(base);
  if (best != nullptr) *best = best_volley;
  else remember(fleets, shot, depth, best_value);
  return best_value;
}

bool EndgameSearch::choose(const FleetSampler& sampler, const Board& shots, int hits, int number_of_shots,
                           PlannedVolley& volley) {
  number_of_shots_ = number_of_shots;
  const int size = std::max(1, number_of_shots - hits);
  if (size > limits_.largest_volley || !list_fleets(sampler, shots)) return false;
  if (++stamp_ == 0) {
    std::fill(known_.begin(), known_.end(), Known{});
    stamp_ = 1;
  }
  remembered_ = 0;
  work_ = 0;
  out_of_room_ = false;
  arena_.clear();
  for (int f = 0; f < static_cast<int>(fleets_.size()); ++f) arena_.push_back(f);
  std::uint64_t cells = 0;
  expected_ = value(0, static_cast<int>(fleets_.size()), 0, hits, limits_.depth, &cells);
  if (expected_ < 0 || cells == 0) return false;

  volley = PlannedVolley{};
  for (; cells != 0; cells &= cells - 1)
    volley.cells[static_cast<std::size_t>(volley.size++)] =
        static_cast<std::int16_t>(cells_[static_cast<std::size_t>(std::countr_zero(cells))]);
  // The shots the volley has beyond its cells in play go where no consistent fleet has a ship.
  const int grid = sampler.grid();
  for (int cell = 0; cell < grid * grid && volley.size < size; ++cell)
    if (shots.cell(cell % grid, cell / grid) == 0 && local_[static_cast<std::size_t>(cell)] < 0)
      volley.cells[static_cast<std::size_t>(volley.size++)] = static_cast<std::int16_t>(cell);
  return true;
}

}  // namespace vornmark
