#include "opponent/splitting_volley.h"

#include <algorithm>
#include <cmath>

#include "model/board.h"
#include "setup/settings.h"

namespace vornmark {

bool every_ship_hit(const Fleet& fleet) {
  for (const Ship& ship : fleet)
    if (ship.cells_left() > 0 && ship.hit_count() == 0) return false;
  return true;
}

SplittingVolleys::SplittingVolleys() {
  const int cells = kMaxGrid * kMaxGrid;
  cells_.reserve(cells);
  ships_on_.reserve(static_cast<std::size_t>(cells) * kMostFleets);
  fleets_hit_.reserve(cells);
  fillers_.reserve(cells);
  taken_.reserve(cells);
  rows_.reserve(cells);
  for (int n = 1; n <= kMostFleets; ++n) n_log_n_[static_cast<std::size_t>(n)] = n * std::log2(n);
}

void SplittingVolleys::set_fleets(const FleetSampler& sampler, const SampledFleet* fleets, int count,
                                  const Board& shots) {
  fleet_count_ = count < kMostFleets ? count : kMostFleets;
  const int cells = sampler.grid() * sampler.grid();
  const std::int32_t* shot = shots.data();
  // Every cell not shot that a fleet has a ship on is in play; the others can fill a volley.
  rows_.assign(static_cast<std::size_t>(cells), 0);
  for (int f = 0; f < fleet_count_; ++f)
    for (int i = 0; i < kFleetSize; ++i) {
      const std::int16_t* on = sampler.cells(i, fleets[f][static_cast<std::size_t>(i)]);
      for (int k = 0; k < sampler.cell_count(i); ++k) rows_[static_cast<std::size_t>(on[k])] = 1;
    }
  cells_.clear();
  fillers_.clear();
  for (int c = 0; c < cells; ++c) {
    if (shot[c] != 0) continue;
    if (rows_[static_cast<std::size_t>(c)] == 0) {
      fillers_.push_back(static_cast<std::int16_t>(c));
      continue;
    }
    cells_.push_back(static_cast<std::int16_t>(c));
    rows_[static_cast<std::size_t>(c)] = static_cast<std::int16_t>(cells_.size());
  }
  const auto fleet_count = static_cast<std::size_t>(fleet_count_);
  ships_on_.assign(cells_.size() * fleet_count, 0);
  fleets_hit_.assign(cells_.size(), 0);
  taken_.assign(cells_.size(), 0);
  for (int f = 0; f < fleet_count_; ++f)
    for (int i = 0; i < kFleetSize; ++i) {
      const std::int16_t* on = sampler.cells(i, fleets[f][static_cast<std::size_t>(i)]);
      for (int k = 0; k < sampler.cell_count(i); ++k) {
        if (shot[on[k]] != 0) continue;
        const auto row = static_cast<std::size_t>(rows_[static_cast<std::size_t>(on[k])] - 1);
        ships_on_[row * fleet_count + static_cast<std::size_t>(f)] = static_cast<std::uint8_t>(i + 1);
        fleets_hit_[row] += 1;
      }
    }
}

double SplittingVolleys::outcome_entropy(const std::uint32_t* keys) {
  if (++stamp_ == 0) {  // after four billion counts, the oldest marks would look current
    slots_.fill(Slot{});
    stamp_ = 1;
  }
  double sum = 0;
  for (int f = 0; f < fleet_count_; ++f) {
    const std::uint32_t key = keys[f];
    std::size_t slot = (key * 2654435761u) >> 22;
    while (slots_[slot].stamp == stamp_ && slots_[slot].key != key) slot = (slot + 1) % slots_.size();
    Slot& s = slots_[slot];
    if (s.stamp != stamp_) s = {key, stamp_, 0};
    // Adding one fleet to a group of n changes the sum of n log n by the difference.
    sum += n_log_n_[static_cast<std::size_t>(s.count + 1)] - n_log_n_[static_cast<std::size_t>(s.count)];
    s.count += 1;
  }
  const double n = fleet_count_;
  return std::log2(n) - sum / n;
}

PlannedVolley SplittingVolleys::build(int shots, double hit_cost) {
  PlannedVolley volley;
  if (fleet_count_ == 0) return volley;
  const auto fleets = static_cast<std::size_t>(fleet_count_);
  std::fill(keys_.begin(), keys_.begin() + static_cast<std::ptrdiff_t>(fleets), 0u);
  std::fill(taken_.begin(), taken_.end(), 0);
  const int max_shots = static_cast<int>(volley.cells.size());
  if (shots > max_shots) shots = max_shots;
  while (volley.size < shots) {
    int best = -1;
    double best_score = 0;
    for (std::size_t row = 0; row < cells_.size(); ++row) {
      if (taken_[row]) continue;
      const std::uint8_t* on = &ships_on_[row * fleets];
      for (std::size_t f = 0; f < fleets; ++f) trial_[f] = keys_[f] + (on[f] == 0 ? 0u : 1u << (4 * (on[f] - 1)));
      const double score =
          outcome_entropy(trial_.data()) - hit_cost * fleets_hit_[row] / static_cast<double>(fleet_count_);
      if (best < 0 || score > best_score) {
        best = static_cast<int>(row);
        best_score = score;
      }
    }
    if (best < 0) break;
    taken_[static_cast<std::size_t>(best)] = 1;
    const std::uint8_t* on = &ships_on_[static_cast<std::size_t>(best) * fleets];
    for (std::size_t f = 0; f < fleets; ++f) keys_[f] += on[f] == 0 ? 0u : 1u << (4 * (on[f] - 1));
    volley.cells[static_cast<std::size_t>(volley.size++)] = cells_[static_cast<std::size_t>(best)];
  }
  for (std::size_t k = 0; k < fillers_.size() && volley.size < shots; ++k)
    volley.cells[static_cast<std::size_t>(volley.size++)] = fillers_[k];
  if (volley.size < shots) volley.size = 0;
  return volley;
}

}  // namespace vornmark
