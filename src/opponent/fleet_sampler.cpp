#include "opponent/fleet_sampler.h"

#include "model/board.h"
#include "opponent/placement_scan.h"
#include "opponent/search_random.h"
#include "setup/settings.h"

namespace vornmark {

FleetSampler::FleetSampler(Reporter& reporter) : ships_(make_fleet(reporter)) {
  describe_fleet(ships_, "His");
  // Two orientations on every anchor of the largest grid: room enough never to grow in play.
  for (auto& list : placements_) list.reserve(2 * kMaxGrid * kMaxGrid);
  stamps_.assign(kMaxGrid * kMaxGrid, 0);
}

void FleetSampler::list_placements(const Board& shots, const Fleet& fleet) {
  grid_ = shots.width();
  for (int i = 0; i < kFleetSize; ++i) {
    Ship& ship = ships_[static_cast<std::size_t>(i)];
    ship.copy_hits_from(fleet[static_cast<std::size_t>(i)]);
    auto& list = placements_[static_cast<std::size_t>(i)];
    list.clear();
    cell_counts_[static_cast<std::size_t>(i)] = ship.cell_count();
    for (int x = 0; x < shots.width(); ++x) {
      for (int y = 0; y < shots.height(); ++y) {
        ship.move_to(x, y);
        for (int turn = 0; turn < 2; ++turn) {
          if (try_fit(shots, nullptr, ship)) {
            Cells cells{};
            for (int k = 0; k < ship.cell_count(); ++k)
              cells[static_cast<std::size_t>(k)] =
                  static_cast<std::int16_t>(ship.cells()[k].x + ship.cells()[k].y * grid_);
            list.push_back(cells);
          }
          ship.rotate();
        }
      }
    }
  }
}

const std::int16_t* FleetSampler::cells(int ship, int placement) const {
  return placements_[static_cast<std::size_t>(ship)][static_cast<std::size_t>(placement)].data();
}

bool FleetSampler::draw(SearchRandom& random, SampledFleet& fleet, int tries) {
  for (int i = 0; i < kFleetSize; ++i)
    if (placements(i) == 0) return false;
  for (int attempt = 0; attempt < tries; ++attempt) {
    // A fresh stamp marks the cells taken in this attempt, without clearing the marks.
    if (++stamp_ == 0) {
      stamps_.assign(stamps_.size(), 0);
      stamp_ = 1;
    }
    bool overlap = false;
    for (int i = 0; i < kFleetSize && !overlap; ++i) {
      const int pick = random.below(placements(i));
      fleet[static_cast<std::size_t>(i)] = pick;
      const std::int16_t* c = cells(i, pick);
      for (int k = 0; k < cell_count(i); ++k) {
        std::uint32_t& mark = stamps_[static_cast<std::size_t>(c[k])];
        if (mark == stamp_) overlap = true;
        mark = stamp_;
      }
    }
    if (!overlap) return true;
  }
  return false;
}

void FleetSampler::lay_out(const SampledFleet& fleet, Board& board) const {
  board.clear();
  for (int i = 0; i < kFleetSize; ++i) {
    const std::int16_t* c = cells(i, fleet[static_cast<std::size_t>(i)]);
    for (int k = 0; k < cell_count(i); ++k)
      board.cell(c[k] % grid_, c[k] / grid_) = ships_[static_cast<std::size_t>(i)].id();
  }
}

}  // namespace vornmark
