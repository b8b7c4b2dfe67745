// Whole games of the opponent against a fleet scattered at random, over many grid sizes, volley
// sizes, thresholds and levels: what must hold after every volley, whatever the shots chosen.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opponent/opponent.h"
#include "opponent_fixture.h"

namespace vornmark {
namespace {

using testing::OpponentFixture;

struct GameConfig {
  int grid;
  int shots;
  int threshold;
  int level;
};

class SimulatedGamesTest : public OpponentFixture {
 protected:
  int hits_of_volley(const Ship& ship, int volley) const {
    int count = 0;
    for (int slot = 0; slot < ship.cell_count(); ++slot) count += ship.hit_at(slot) == volley;
    return count;
  }
  int real_cells_struck(int id, int volley) const {
    int count = 0;
    for (int y = 0; y < match.grid(); ++y)
      for (int x = 0; x < match.grid(); ++x)
        count += match.his_real_ships().cell(x, y) == id && match.my_shots().cell(x, y) == volley;
    return count;
  }
  int shortfalls = 0;

  int cells_left() const {
    int left = 0;
    for (const Ship& ship : match.his_fleet()) left += ship.cells_left();
    return left;
  }

  // Plays one game to its end; returns the number of volleys it took.
  int play(const GameConfig& config, std::uint32_t seed) {
    start(config.grid, config.level, config.shots, config.threshold);
    match.random().seed(seed);
    new_game_with_scattered_fleet();
    const int cells = config.grid * config.grid;
    int fired_total = 0;
    int volley = 1;
    for (; volley <= cells; ++volley) {
      SCOPED_TRACE("volley " + std::to_string(volley));
      match.mutable_counters().computer_volley = volley;
      int hits = 0;
      for (const Ship& ship : match.his_fleet()) hits += ship.hit_count();
      const std::size_t boxes_before = platform.boxes.size();
      const VolleyPhase phase = opponent.plan_volley(match);
      EXPECT_EQ(phase == VolleyPhase::Novice, config.level == kNovice);
      const int expected_shots = std::max(1, config.shots - hits);
      EXPECT_EQ(match.counters().computer_shots_per_volley, expected_shots);
      const int fired = cells_holding(match.my_shots(), volley);
      // A volley is full unless the planner ran out of candidates (a shot earlier in the volley
      // can rule out the last placements left) and said so; a cell fired at twice would have
      // kept its first volley and shown a warning as well.
      std::vector<std::string> warnings;
      for (std::size_t i = boxes_before; i < platform.boxes.size(); ++i) warnings.push_back(platform.boxes[i].text);
      if (fired == expected_shots) {
        EXPECT_TRUE(warnings.empty()) << warnings.front();
      } else {
        EXPECT_LT(fired, expected_shots);
        EXPECT_EQ(warnings,
                  (std::vector<std::string>{"\nCouldn't place " + std::to_string(expected_shots - fired) + " shots"}));
        ++shortfalls;
      }
      fired_total += fired;
      EXPECT_EQ(cells - cells_holding(match.my_shots(), 0), fired_total);

      match.take_real_hits();
      for (int i = 0; i < 4; ++i)
        EXPECT_EQ(hits_of_volley(match.his_fleet()[i], volley), real_cells_struck(i + 1, volley)) << "ship " << i;
      if (cells_left() == 0) break;
    }
    EXPECT_EQ(cells_left(), 0) << "grid " << config.grid << " seed " << seed;
    return volley;
  }
};

TEST_F(SimulatedGamesTest, EveryGameSinksTheFleetWithFullVolleysAndTrueHitCounts) {
  const GameConfig configs[] = {
      {4, 1, 10, kIntermediate},   {4, 10, 1, kIntermediate}, {5, 3, 2, kAdvanced},        {5, 10, 30, kNovice},
      {6, 2, 10, kIntermediate},   {7, 10, 5, kIntermediate}, {8, 5, 1, kNovice},          {9, 4, 30, kAdvanced},
      {10, 10, 10, kIntermediate}, {12, 7, 3, kIntermediate}, {15, 10, 10, kIntermediate}, {15, 1, 10, kIntermediate},
      {15, 6, 20, kNovice},        {20, 10, 10, kAdvanced},   {23, 3, 1, kIntermediate},   {30, 10, 10, kIntermediate},
      {30, 10, 30, kNovice},       {30, 2, 5, kIntermediate},
  };
  std::uint32_t seed = 11;
  for (const GameConfig& config : configs) {
    for (int round = 0; round < 3; ++round) {
      SCOPED_TRACE("grid " + std::to_string(config.grid) + " shots " + std::to_string(config.shots) + " threshold " +
                   std::to_string(config.threshold) + " level " + std::to_string(config.level));
      const int volleys = play(config, seed);
      seed = seed * 7 + 3;
      // Twelve cells at one shot or more a volley, never more volleys than unshot cells.
      EXPECT_GE(volleys, 12 / config.shots);
      if (HasFailure()) return;
    }
  }
  // The shortfall arises, but rarely: most volleys are full.
  EXPECT_LT(shortfalls, 30);
}

}  // namespace
}  // namespace vornmark
