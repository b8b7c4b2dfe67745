
#include <gtest/gtest.h>

#include "opponent/opponent_fixture.h"

namespace vornmark {
namespace {

using testing::OpponentFixture;

class RealHitsTest : public OpponentFixture {
 protected:
  void SetUp() override { start(); }
  std::vector<int> hits_of(int ship) const {
    std::vector<int> hits;
    for (int slot = 0; slot < match.his_fleet()[ship].cell_count(); ++slot)
      hits.push_back(match.his_fleet()[ship].hit_at(slot));
    return hits;
  }
};

TEST_F(RealHitsTest, EachShotOfTheVolleyOnAShipAddsOneHitOfThatVolley) {
  fill(match.mutable_his_real_ships(), {{2, 2}, {2, 3}, {2, 4}}, 2);  // the Destroyer
  fill(match.mutable_his_real_ships(), {{8, 8}, {9, 8}}, 1);          // the Corvette
  match.mutable_my_shots().cell(8, 8) = 3;                            // an earlier volley's hit is not counted again
  fill(match.mutable_my_shots(), {{2, 4}, {2, 2}, {5, 5}}, 4);
  match.mutable_counters().computer_volley = 4;
  match.take_real_hits();
  EXPECT_EQ(hits_of(kDestroyer), (std::vector<int>{4, 4, 0}));
  EXPECT_EQ(hits_of(kCorvette), (std::vector<int>{0, 0}));
  EXPECT_EQ(hits_of(kBattleship), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(hits_of(kSubmarine), (std::vector<int>{0, 0, 0}));

  // A volley without shots changes nothing.
  match.mutable_counters().computer_volley = 5;
  match.take_real_hits();
  EXPECT_EQ(hits_of(kDestroyer), (std::vector<int>{4, 4, 0}));
  EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace vornmark
