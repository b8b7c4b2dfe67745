// The Expert level: the fleets its search draws, the volleys it fires, and the draws it takes
// from the match's generator.

#include "opponent/expert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "model/ship_on_board.h"
#include "opponent/endgame_search.h"
#include "opponent/fleet_sampler.h"
#include "opponent/placement_scan.h"
#include "opponent/search_random.h"
#include "opponent/splitting_volley.h"
#include "opponent_fixture.h"

namespace vornmark {
namespace {

using testing::OpponentFixture;

class ExpertTest : public OpponentFixture {
 protected:
  bool sunk() const {
    for (const Ship& ship : match.his_fleet())
      if (ship.cells_left() > 0) return false;
    return true;
  }
  // Plays `volleys` Intermediate volleys at a fleet scattered from `seed` (fewer if it sinks).
  void position(int grid, int shots, std::uint32_t seed, int volleys) {
    start(grid, kIntermediate, shots);
    match.random().seed(seed);
    new_game_with_scattered_fleet();
    for (int v = 1; v <= volleys && !sunk(); ++v) {
      match.mutable_counters().computer_volley = v;
      opponent.plan_volley(match);
      match.take_real_hits();
    }
    match.mutable_counters().computer_volley += 1;
  }
  // A game at `level` with the player's ships on the cells given (in id order), and the volleys
  // given fired at them; the next volley is the one after.
  void laid_out_position(int grid, int level, int shots, const std::vector<std::vector<CellPos>>& fleet,
                         const std::vector<std::vector<CellPos>>& volleys) {
    start(grid, level, shots);
    match.new_game(Match::Counted::No);
    opponent.new_game();
    match.mutable_his_real_ships().clear();
    for (int i = 0; i < kFleetSize; ++i) {
      Ship& ship = match.mutable_his_fleet()[static_cast<std::size_t>(i)];
      ship.set_cells(fleet[static_cast<std::size_t>(i)].data());
      ASSERT_TRUE(place_ship(match.mutable_his_real_ships(), ship));
    }
    for (std::size_t v = 0; v < volleys.size(); ++v) {
      match.mutable_counters().computer_volley = static_cast<int>(v) + 1;
      for (CellPos cell : volleys[v]) match.record_computer_shot(cell.x, cell.y);
      match.take_real_hits();
    }
    match.mutable_counters().computer_volley = static_cast<int>(volleys.size()) + 1;
  }
};

// A position reached by Intermediate volleys at a scattered fleet (ExpertTest::position).
struct PlayedPosition {
  int grid;
  int shots;
  std::uint32_t seed;
  int volleys;
};

// Every fleet that agrees with the evidence, found by brute force over each ship's placements as
// the placement scan finds them: for each, the placement of each ship.
std::vector<std::array<int, kFleetSize>> consistent_fleets(const FleetSampler& sampler) {
  std::vector<std::array<int, kFleetSize>> fleets;
  std::vector<int> owner(static_cast<std::size_t>(sampler.grid() * sampler.grid()), 0);
  std::array<int, kFleetSize> pick{};
  // Depth-first over the ships, marking cells with the ship that holds them.
  const auto place = [&](auto&& self, int ship) -> void {
    if (ship == kFleetSize) {
      fleets.push_back(pick);
      return;
    }
    for (int p = 0; p < sampler.placements(ship); ++p) {
      const std::int16_t* cells = sampler.cells(ship, p);
      bool free = true;
      for (int k = 0; k < sampler.cell_count(ship); ++k) free = free && owner[static_cast<std::size_t>(cells[k])] == 0;
      if (!free) continue;
      for (int k = 0; k < sampler.cell_count(ship); ++k) owner[static_cast<std::size_t>(cells[k])] = ship + 1;
      pick[static_cast<std::size_t>(ship)] = p;
      self(self, ship + 1);
      for (int k = 0; k < sampler.cell_count(ship); ++k) owner[static_cast<std::size_t>(cells[k])] = 0;
    }
  };
  place(place, 0);
  return fleets;
}

// The share of the consistent fleets with a ship on each cell.
std::vector<double> exact_chances(const FleetSampler& sampler) {
  const auto fleets = consistent_fleets(sampler);
  std::vector<double> chances(static_cast<std::size_t>(sampler.grid() * sampler.grid()), 0.0);
  for (const auto& fleet : fleets)
    for (int i = 0; i < kFleetSize; ++i) {
      const std::int16_t* cells = sampler.cells(i, fleet[static_cast<std::size_t>(i)]);
      for (int k = 0; k < sampler.cell_count(i); ++k) chances[static_cast<std::size_t>(cells[k])] += 1.0 / fleets.size();
    }
  return chances;
}

// The last volleys weighed the slow way, by the definition: a fleet is, for each ship, the cells
// still to be hit; the fewest volleys to sink on average over every volley of one shot up to the
// volley's size (at most three) at cells some fleet fills, `depth` volleys deep, then volleys at
// the likeliest cells (the first in row order among equals).
using ShipsLeft = std::array<std::vector<int>, kFleetSize>;
double volleys_to_sink(const std::vector<ShipsLeft>& fleets, int hits, int number_of_shots, int depth);

// The volleys to sink on average when `volley` is fired first, then as above.
double volleys_after(const std::vector<ShipsLeft>& fleets, const std::vector<int>& volley, int hits,
                     int number_of_shots, int depth) {
  std::map<std::array<int, kFleetSize>, std::vector<ShipsLeft>> outcomes;  // by the hits on each ship
  for (const ShipsLeft& fleet : fleets) {
    std::array<int, kFleetSize> on_ship{};
    ShipsLeft after = fleet;
    for (int i = 0; i < kFleetSize; ++i)
      on_ship[static_cast<std::size_t>(i)] = static_cast<int>(std::erase_if(
          after[static_cast<std::size_t>(i)], [&](int cell) { return std::ranges::count(volley, cell) > 0; }));
    outcomes[on_ship].push_back(after);
  }
  double value = 1;
  for (const auto& [on_ship, group] : outcomes)
    value += static_cast<double>(group.size()) / fleets.size() *
             volleys_to_sink(group, hits + on_ship[0] + on_ship[1] + on_ship[2] + on_ship[3], number_of_shots, depth);
  return value;
}

double volleys_to_sink(const std::vector<ShipsLeft>& fleets, int hits, int number_of_shots, int depth) {
  if (hits == 12) return 0;
  const int shots = std::max(1, number_of_shots - hits);
  std::map<int, int> filled;  // cell: the fleets that fill it
  for (const ShipsLeft& fleet : fleets)
    for (const auto& ship : fleet)
      for (const int cell : ship) ++filled[cell];
  std::vector<int> open;
  for (const auto& [cell, count] : filled) open.push_back(cell);
  if (depth == 0) {
    std::stable_sort(open.begin(), open.end(), [&](int a, int b) { return filled[a] > filled[b]; });
    open.resize(std::min(open.size(), static_cast<std::size_t>(shots)));
    return volleys_after(fleets, open, hits, number_of_shots, 0);
  }
  double best = 1e300;
  const int n = static_cast<int>(open.size());
  for (int mask = 1; mask < 1 << n; ++mask) {
    if (std::popcount(static_cast<unsigned>(mask)) > std::min(shots, 3)) continue;
    std::vector<int> volley;
    for (int k = 0; k < n; ++k)
      if (mask >> k & 1) volley.push_back(open[static_cast<std::size_t>(k)]);
    best = std::min(best, volleys_after(fleets, volley, hits, number_of_shots, depth - 1));
  }
  return best;
}

TEST_F(ExpertTest, DrawnFleetsFollowTheExactCountOfConsistentFleets) {
  const PlayedPosition cases[] = {{5, 3, 11, 0}, {6, 4, 12, 2}, {6, 6, 13, 3}, {7, 5, 14, 3}, {6, 2, 15, 6}};
  for (const PlayedPosition& c : cases) {
    SCOPED_TRACE("grid " + std::to_string(c.grid) + ", " + std::to_string(c.volleys) + " volleys");
    position(c.grid, c.shots, c.seed, c.volleys);
    FleetSampler sampler(match.report());
    sampler.list_placements(match.my_shots(), match.his_fleet());
    // Each ship's list holds exactly the placements the scan counts.
    for (int i = 0; i < kFleetSize; ++i) {
      Ship ship = match.his_fleet()[static_cast<std::size_t>(i)];
      Board tally(match.report());
      tally.allocate(c.grid, c.grid);
      EXPECT_EQ(sampler.placements(i), scan_ship_plain(match.my_shots(), nullptr, ship, tally)) << "ship " << i;
    }
    const std::vector<double> exact = exact_chances(sampler);

    constexpr int kDraws = 20000;
    SearchRandom random;
    random.seed(c.seed);
    std::vector<int> seen(exact.size(), 0);
    Board laid(match.report());
    laid.allocate(c.grid, c.grid);
    for (int d = 0; d < kDraws; ++d) {
      SampledFleet fleet{};
      ASSERT_TRUE(sampler.draw(random, fleet, 1000));
      sampler.lay_out(fleet, laid);
      int cells = 0;
      for (int cell = 0; cell < c.grid * c.grid; ++cell) {
        const bool taken = laid.cell(cell % c.grid, cell / c.grid) != 0;
        seen[static_cast<std::size_t>(cell)] += taken;
        cells += taken;
      }
      ASSERT_EQ(cells, 12) << "the four ships share no cell";
    }
    for (std::size_t cell = 0; cell < exact.size(); ++cell) {
      const double p = exact[cell];
      const double share = static_cast<double>(seen[cell]) / kDraws;
      // Five standard errors, and a floor for the cells that are nearly certain either way.
      const double allowed = 5 * std::sqrt(p * (1 - p) / kDraws) + 0.002;
      EXPECT_NEAR(share, p, allowed) << "cell " << cell;
    }
  }
}

TEST_F(ExpertTest, VolleysAreLegalAndAGameRepeatsFromItsSeedOnAnyNumberOfThreads) {
  struct Case {
    int grid;
    int shots;
    std::uint32_t seed;
  };
  const Case cases[] = {{6, 3, 21}, {8, 6, 22}, {11, 1, 23}, {15, 10, 24}};
  for (const Case& c : cases) {
    SCOPED_TRACE("grid " + std::to_string(c.grid) + " shots " + std::to_string(c.shots));
    std::vector<std::int32_t> first_game;
    for (int round = 0; round < 2; ++round) {
      start(c.grid, kExpert, c.shots);
      // One thread, then more threads than rollouts in some rounds: the search must not care.
      opponent.mutable_expert().set_limits({6, 24, 300'000, round == 0 ? 1 : 5});
      match.random().seed(c.seed);
      new_game_with_scattered_fleet();
      int volley = 1;
      for (; volley <= c.grid * c.grid && !sunk(); ++volley) {
        match.mutable_counters().computer_volley = volley;
        const int hits = hits_scored(match);
        const std::uint32_t before = match.random().state();
        opponent.plan_volley(match);
        // Two draws of the match's generator seed the search, and nothing else draws from it.
        Lcg expected;
        expected.seed(before);
        expected.draw();
        expected.draw();
        ASSERT_EQ(match.random().state(), expected.state());
        // The volley's size, on cells not shot before (a cell shot twice raises a box).
        EXPECT_EQ(cells_holding(match.my_shots(), volley), std::max(1, c.shots - hits));
        ASSERT_TRUE(platform.boxes.empty());
        match.take_real_hits();
      }
      EXPECT_TRUE(sunk());
      const std::vector<std::int32_t> game(match.my_shots().data(), match.my_shots().data() + c.grid * c.grid);
      if (round == 0)
        first_game = game;
      else
        EXPECT_EQ(game, first_game) << "the same seed fires the same volleys, on any number of threads";
    }
  }
}

TEST_F(ExpertTest, TheLastVolleysSearchFindsTheFewestVolleysToSinkOfEveryVolleyTried) {
  struct Case {
    int grid;
    int shots;
    std::uint32_t seed;
    int volleys;
    int depth;
  };
  // Volleys of three, two and one shot, with 2 to 46 fleets left.
  const Case cases[] = {{6, 8, 41, 4, 1}, {6, 8, 44, 5, 2}, {6, 7, 43, 5, 2}, {7, 8, 55, 6, 3},
                        {6, 3, 32, 8, 3}, {6, 8, 58, 4, 2}, {6, 6, 81, 5, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE("grid " + std::to_string(c.grid) + ", seed " + std::to_string(c.seed) + ", depth " +
                 std::to_string(c.depth));
    position(c.grid, c.shots, c.seed, c.volleys);
    const int hits = hits_scored(match);
    FleetSampler sampler(match.report());
    sampler.list_placements(match.my_shots(), match.his_fleet());
    std::vector<ShipsLeft> fleets;
    for (const auto& pick : consistent_fleets(sampler)) {
      ShipsLeft& fleet = fleets.emplace_back();
      for (int i = 0; i < kFleetSize; ++i) {
        const std::int16_t* cells = sampler.cells(i, pick[static_cast<std::size_t>(i)]);
        for (int k = 0; k < sampler.cell_count(i); ++k)
          if (match.my_shots().cell(cells[k] % c.grid, cells[k] / c.grid) == 0)
            fleet[static_cast<std::size_t>(i)].push_back(cells[k]);
      }
    }

    EndgameSearch search;
    EndgameLimits limits;
    limits.largest_volley = 3;
    limits.depth = c.depth;
    search.set_limits(limits);
    PlannedVolley volley;
    ASSERT_TRUE(search.choose(sampler, match.my_shots(), hits, c.shots, volley));
    EXPECT_EQ(search.fleets(), static_cast<int>(fleets.size()));
    const double best = volleys_to_sink(fleets, hits, c.shots, c.depth);
    EXPECT_NEAR(search.expected_volleys(), best, 1e-9);

    // The volley: its size, on distinct cells not shot before, and as good as the best.
    ASSERT_EQ(volley.size, std::max(1, c.shots - hits));
    std::vector<int> cells(volley.cells.begin(), volley.cells.begin() + volley.size);
    std::sort(cells.begin(), cells.end());
    EXPECT_EQ(std::adjacent_find(cells.begin(), cells.end()), cells.end());
    for (const int cell : cells) EXPECT_EQ(match.my_shots().cell(cell % c.grid, cell / c.grid), 0);
    EXPECT_NEAR(volleys_after(fleets, cells, hits, c.shots, c.depth - 1), best, 1e-9);
  }

  // A fleet known to its last cells, all of one ship: the volley takes two of them at once, though
  // they are alike, and the ship sinks in three volleys (two shots, then one and one). The three
  // other ships are sunk a volley each, and every cell but the Battleship's is shot.
  const std::vector<std::vector<CellPos>> ships = {
      {{0, 0}, {0, 1}}, {{2, 0}, {2, 1}, {2, 2}}, {{5, 0}, {5, 1}, {5, 2}, {5, 3}}, {{0, 3}, {1, 4}, {2, 5}}};
  std::vector<std::vector<CellPos>> volleys = {ships[0], ships[1], ships[3], {}};
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x)
      if (std::ranges::none_of(ships, [&](const auto& ship) { return std::ranges::count(ship, CellPos{x, y}) > 0; }))
        volleys.back().push_back({x, y});
  laid_out_position(6, kExpert, 10, ships, volleys);
  FleetSampler sampler(match.report());
  sampler.list_placements(match.my_shots(), match.his_fleet());
  EndgameSearch search;
  PlannedVolley volley;
  ASSERT_TRUE(search.choose(sampler, match.my_shots(), 8, 10, volley));
  EXPECT_EQ(search.expected_volleys(), 3.0);
  ASSERT_EQ(volley.size, 2);
  EXPECT_EQ(volley.cells[0] % 6, 5);
  EXPECT_EQ(volley.cells[1] % 6, 5);
}

TEST_F(ExpertTest, SplittingVolleysDivideTheFleetsByWhatEachShipWouldTakeLessTheHitsExpected) {
  const PlayedPosition cases[] = {{6, 4, 12, 2}, {6, 6, 13, 3}, {7, 5, 14, 3}, {6, 2, 15, 6}, {5, 8, 16, 1}};
  for (const PlayedPosition& c : cases) {
    position(c.grid, c.shots, c.seed, c.volleys);
    FleetSampler sampler(match.report());
    sampler.list_placements(match.my_shots(), match.his_fleet());
    std::vector<std::array<int, kFleetSize>> fleets = consistent_fleets(sampler);
    fleets.resize(std::min<std::size_t>(fleets.size(), 256));
    const auto cells = static_cast<std::size_t>(c.grid * c.grid);
    // Each fleet's ship (1 to 4) on every cell not shot; a cell no fleet has a ship on is not in play.
    std::vector<std::vector<int>> ship_on(fleets.size(), std::vector<int>(cells, 0));
    std::vector<bool> in_play(cells, false);
    for (std::size_t f = 0; f < fleets.size(); ++f)
      for (int i = 0; i < kFleetSize; ++i)
        for (int k = 0; k < sampler.cell_count(i); ++k) {
          const auto cell = static_cast<std::size_t>(sampler.cells(i, fleets[f][static_cast<std::size_t>(i)])[k]);
          if (match.my_shots().data()[cell] != 0) continue;
          ship_on[f][cell] = i + 1;
          in_play[cell] = true;
        }
    // What a volley tells: the fleets grouped by the hits each ship would take, and its entropy.
    const auto score = [&](const std::vector<std::size_t>& volley, double hit_cost) {
      std::map<std::array<int, kFleetSize>, int> outcomes;
      double hits = 0;
      for (std::size_t f = 0; f < fleets.size(); ++f) {
        std::array<int, kFleetSize> taken{};
        for (std::size_t cell : volley)
          if (ship_on[f][cell] > 0) {
            taken[static_cast<std::size_t>(ship_on[f][cell] - 1)] += 1;
            hits += 1;
          }
        outcomes[taken] += 1;
      }
      const double n = static_cast<double>(fleets.size());
      double entropy = 0;
      for (const auto& [taken, count] : outcomes) entropy -= count / n * std::log2(count / n);
      return entropy - hit_cost * hits / n;
    };
    SplittingVolleys splitting;
    splitting.set_fleets(sampler, fleets.data(), static_cast<int>(fleets.size()), match.my_shots());
    for (const double hit_cost : {0.0, 0.7, 2.0, 50.0}) {
      SCOPED_TRACE("grid " + std::to_string(c.grid) + ", " + std::to_string(c.volleys) + " volleys, " +
                   std::to_string(fleets.size()) + " fleets, hit cost " + std::to_string(hit_cost));
      const PlannedVolley volley = splitting.build(c.shots, hit_cost);
      ASSERT_EQ(volley.size, c.shots);
      // Shot by shot, the cell that adds most to what the volley so far tells; once every cell in
      // play is taken, cells no fleet has a ship on. Every cell is new.
      std::vector<std::size_t> so_far;
      for (int k = 0; k < volley.size; ++k) {
        const auto cell = static_cast<std::size_t>(volley.cells[static_cast<std::size_t>(k)]);
        ASSERT_EQ(match.my_shots().data()[cell], 0);
        ASSERT_EQ(std::ranges::count(so_far, cell), 0);
        double best = -1e300;
        for (std::size_t other = 0; other < cells; ++other) {
          if (!in_play[other] || match.my_shots().data()[other] != 0 || std::ranges::count(so_far, other) > 0) continue;
          so_far.push_back(other);
          best = std::max(best, score(so_far, hit_cost));
          so_far.pop_back();
        }
        so_far.push_back(cell);
        if (best > -1e300)
          EXPECT_NEAR(score(so_far, hit_cost), best, 1e-9) << "shot " << k + 1;
        else
          EXPECT_FALSE(in_play[cell]) << "shot " << k + 1;
      }
    }
  }
}

TEST_F(ExpertTest, DownToOneShotTheExpertFiresAtTheLikeliestCellWhereThePlannerHunts) {
  // A Corvette hit at (3,3) (the volley's other shot far away) with misses either side lies on
  // (3,2) or (3,4): an even chance each, far above any cell of the three ships not yet found.
  // Down to one shot, a hit costs nothing.
  const std::vector<std::vector<CellPos>> fleet = {
      {{3, 3}, {3, 4}}, {{7, 0}, {7, 1}, {7, 2}}, {{0, 7}, {1, 7}, {2, 7}, {3, 7}}, {{0, 0}, {1, 1}, {2, 2}}};
  for (const int level : {kExpert, kIntermediate}) {
    SCOPED_TRACE(level == kExpert ? "Expert" : "Intermediate");
    laid_out_position(8, level, 2, fleet, {{{3, 3}, {7, 7}}, {{2, 3}}, {{4, 3}}});
    opponent.plan_volley(match);
    const std::vector<CellPos> fired = cells_where(match.my_shots(), 4);
    ASSERT_EQ(fired.size(), 1u);
    const bool beside_the_hit = fired[0].x == 3 && (fired[0].y == 2 || fired[0].y == 4);
    // The planner hunts the ship with most placements, away from the Corvette's region.
    EXPECT_EQ(beside_the_hit, level == kExpert) << fired[0].x << "," << fired[0].y;
  }
}

}  // namespace
}  // namespace vornmark
