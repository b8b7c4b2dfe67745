#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "opponent/opponent.h"
#include "opponent_fixture.h"

namespace vornmark {
namespace {

using testing::OpponentFixture;

class VolleyPlannerTest : public OpponentFixture {
 protected:
  // The cells fired at in the trace lines of one format, in firing order.
  static std::vector<CellPos> fired_cells(const std::string& trace, const char* marker, const char* format) {
    std::vector<CellPos> cells;
    for (std::size_t at = trace.find(marker); at != std::string::npos; at = trace.find(marker, at + 1)) {
      CellPos c;
      EXPECT_EQ(std::sscanf(trace.c_str() + at, format, &c.x, &c.y), 2);
      cells.push_back(c);
    }
    return cells;
  }
  // The 4 x 4 position where the Battleship can only lie in column 3, and the Corvette either
  // there or on (0, 1)-(0, 2): every other cell was missed in volley 1.
  void lay_out_pinning_position() {
    start(4);
    match.mutable_counters().computer_volley = 2;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 3; ++x) match.mutable_my_shots().cell(x, y) = 1;
    match.mutable_my_shots().cell(0, 1) = 0;
    match.mutable_my_shots().cell(0, 2) = 0;
  }
};

TEST_F(VolleyPlannerTest, FirstVolleyHuntsTheCorvetteOnItsBestCells) {
  start();
  open_trace();
  match.mutable_counters().computer_volley = 1;
  const VolleyPhase phase = opponent.plan_volley(match);
  EXPECT_EQ(phase, VolleyPhase::A);
  EXPECT_STREQ(phase_letter(phase), "A");
  EXPECT_EQ(opponent.reasoner().possib(), (std::array<int, 4>{420, 390, 360, 338}));
  EXPECT_EQ(match.counters().computer_shots_per_volley, 10);
  EXPECT_EQ(cells_holding(match.my_shots(), 1), 10);
  EXPECT_EQ(platform.cursor_changes, (std::vector<bool>{true, false}));
  EXPECT_TRUE(platform.boxes.empty());

  // WK_TOTS holds the four ships' counts; an inner cell is covered 4 + 6 + 8 + 6 times, a
  // corner 2 + 2 + 2 times by the straight ships and once by the Submarine.
  EXPECT_EQ(opponent.wk_tots().width(), 15);
  EXPECT_EQ(opponent.wk_tots().cell(7, 7), 24);
  EXPECT_EQ(opponent.wk_tots().cell(0, 0), 7);

  const std::string trace = trace_text();
  EXPECT_EQ(trace.rfind("\n====== Volley 1, Shots: 10 =======\nHis ships / my shots\nHIS REAL SHIPS\n", 0), 0u);
  EXPECT_NE(trace.find("\nPossib (A)420  (B)390  (C)360  (D)338\nA/B phase \nA/B for ghost ship A, before filter\n"),
            std::string::npos);
  // Each shot costs the Corvette 4 placements; once its total falls below the Destroyer's 390,
  // the Destroyer becomes the ghost ship for the tenth shot.
  EXPECT_EQ(occurrences(trace, "A/B for ghost ship A, before filter\n"), 9);
  EXPECT_EQ(occurrences(trace, "A/B for ghost ship B, before filter\n"), 1);
  EXPECT_NE(trace.find("V1/R9 FIRE A("), std::string::npos);
  EXPECT_NE(trace.find("V1/R10 FIRE B("), std::string::npos);

  // The first shot: a cell where the Corvette fits 4 ways, with the highest WK_TOTS of those.
  const std::vector<CellPos> shots = fired_cells(trace, "V1/R", "V1/R%*d FIRE %*c(%d,%d)");
  ASSERT_EQ(shots.size(), 10u);
  int best_inner = 0;
  for (int y = 1; y < 14; ++y)
    for (int x = 1; x < 14; ++x) best_inner = std::max(best_inner, opponent.wk_tots().cell(x, y));
  const CellPos first = shots[0];
  EXPECT_TRUE(first.x >= 1 && first.x <= 13 && first.y >= 1 && first.y <= 13);
  EXPECT_EQ(opponent.wk_tots().cell(first.x, first.y), best_inner);
  char line[64];
  std::snprintf(line, sizeof line, "V1/R1 FIRE A(%d,%d) possib=420 ", first.x, first.y);
  EXPECT_NE(trace.find(line), std::string::npos);
  // Every message of the volley counted: header, dump of 15 + 2, the cumulative dump of
  // 15 + 3, the possib line, and per shot the ghost line, its dump and the fire line.
  EXPECT_EQ(match.report().log().message_count(), 2 + 17 + 1 + 18 + 1 + 1 + 10 * (1 + 18 + 1));
}

TEST_F(VolleyPlannerTest, VolleyShrinksByTheHitsScoredButNeverBelowOne) {
  start(15, kIntermediate, 5);
  match.mutable_counters().computer_volley = 3;
  for (int i = 0; i < 6; ++i) match.mutable_his_fleet()[static_cast<std::size_t>(i % 3)].add_hit(i < 3 ? 1 : 2);
  opponent.plan_volley(match);
  EXPECT_EQ(match.counters().computer_shots_per_volley, 1);
  EXPECT_EQ(cells_holding(match.my_shots(), 3), 1);

  start(15, kIntermediate, 10);
  match.mutable_counters().computer_volley = 2;
  match.mutable_his_fleet()[kBattleship].add_hit(1);
  match.mutable_his_fleet()[kSubmarine].add_hit(1);
  match.mutable_my_shots().cell(3, 3) = 1;
  match.mutable_my_shots().cell(10, 3) = 1;
  opponent.plan_volley(match);
  EXPECT_EQ(match.counters().computer_shots_per_volley, 8);
  EXPECT_EQ(cells_holding(match.my_shots(), 2), 8);
}

TEST_F(VolleyPlannerTest, PinnedShipBlocksLaterShipsAndAFurtherPassPinsMore) {
  lay_out_pinning_position();
  open_trace();
  const VolleyPhase phase = opponent.plan_volley(match);
  // First pass: A 4 ways, B 2, C pinned in column 3, D nowhere. Second pass: A pinned on
  // (0,1)-(0,2) now that column 3 is taken; B has no room left.
  EXPECT_EQ(opponent.reasoner().possib(), (std::array<int, 4>{1, 0, 1, 0}));
  EXPECT_EQ(phase, VolleyPhase::Gamma);
  const std::string trace = trace_text();
  const std::size_t pinned_c = trace.find("Ship C can only be at\n");
  const std::size_t pinned_a = trace.find("Ship A can only be at\n");
  ASSERT_NE(pinned_c, std::string::npos);
  ASSERT_NE(pinned_a, std::string::npos);
  EXPECT_LT(pinned_c, pinned_a);
  EXPECT_NE(trace.find("Ship C can only be at\n\n(null)\n"), std::string::npos);

  // GAMMA fires once into each region (column 3, then the Corvette's cells, in either order);
  // DELTA then finds what is left and reports the shots it could not place.
  EXPECT_NE(trace.find("V2  Tot shots taken: 2\n"), std::string::npos);
  const int fired = cells_holding(match.my_shots(), 2);
  EXPECT_LT(fired, 10);
  ASSERT_EQ(platform.texts("Vornmark").size(), 1u);
  char expected[40];
  std::snprintf(expected, sizeof expected, "\nCouldn't place %d shots", 10 - fired);
  EXPECT_EQ(platform.texts("Vornmark")[0], expected);
  // It is the last message of the volley.
  ASSERT_NE(trace.rfind(expected), std::string::npos);
  EXPECT_EQ(trace.size() - trace.rfind(expected), std::string(expected).size());
  // DELTA clears "HIS SEA" and scans without blocking.
  EXPECT_EQ(cells_holding(opponent.his_sea(), 0), 16);
}

TEST_F(VolleyPlannerTest, PhaseFollowsTheCountsOfUnpinnedAfloatShips) {
  start(15, kIntermediate, 10, 10);
  auto phase_for = [this](std::array<int, 4> possib) {
    opponent.reasoner().mutable_possib() = possib;
    return opponent.classify_fleet(match);
  };
  EXPECT_EQ(phase_for({11, 1, 1, 1}), VolleyPhase::A);
  EXPECT_EQ(phase_for({11, 10, 1, 1}), VolleyPhase::B);
  EXPECT_EQ(phase_for({11, 0, 1, 1}), VolleyPhase::B);  // a record that fits nowhere counts as Sub-AT
  EXPECT_EQ(phase_for({10, 2, 1, 1}), VolleyPhase::Gamma);
  EXPECT_EQ(phase_for({1, 1, 1, 1}), VolleyPhase::Delta);
  // A sunk ship is no longer counted, whatever its placements.
  match.mutable_his_fleet()[kCorvette].add_hit(1);
  match.mutable_his_fleet()[kCorvette].add_hit(2);
  EXPECT_EQ(phase_for({400, 1, 1, 1}), VolleyPhase::Delta);
  EXPECT_EQ(phase_for({400, 5, 1, 1}), VolleyPhase::Gamma);
  match.mutable_settings().PlayLevel = kNovice;
  EXPECT_EQ(phase_for({400, 50, 1, 1}), VolleyPhase::Novice);
  EXPECT_STREQ(phase_letter(VolleyPhase::Novice), "");
  EXPECT_STREQ(phase_letter(VolleyPhase::B), "B");
  EXPECT_STREQ(phase_letter(VolleyPhase::Gamma), "C");
  EXPECT_STREQ(phase_letter(VolleyPhase::Delta), "D");
}

TEST_F(VolleyPlannerTest, SubThresholdShipsAreFilteredFromTheGhostShipsTally) {
  // The Corvette's record (one hit in volley 1 at one of two cells) leaves it few placements:
  // it is Sub-AT, the others ambiguous, so the phase is B and its region is never fired at.
  start(15, kIntermediate, 4, 10);
  open_trace();
  match.mutable_counters().computer_volley = 2;
  match.mutable_my_shots().cell(7, 7) = 1;
  match.mutable_his_fleet()[kCorvette].add_hit(1);
  EXPECT_EQ(opponent.plan_volley(match), VolleyPhase::B);
  EXPECT_EQ(opponent.reasoner().possib()[kCorvette], 4);
  for (CellPos c : cells_where(match.my_shots(), 2))
    EXPECT_EQ(opponent.reasoner().ship_tally(kCorvette).cell(c.x, c.y), 0);
  const std::string trace = trace_text();
  EXPECT_EQ(occurrences(trace, "Filter for Sub-AT ship A"), 3);
  EXPECT_EQ(occurrences(trace, "A/B for ghost ship, after filtering ship A\n"), 3);
  EXPECT_EQ(occurrences(trace, "A/B for ghost ship B, before filter\n"), 3);
  EXPECT_EQ(occurrences(trace, "V2/R"), 3);
  EXPECT_EQ(match.counters().computer_shots_per_volley, 3);
}

TEST_F(VolleyPlannerTest, NoviceDrawsEachShotAmongAllCountedCells) {
  start(8, kNovice, 6);
  open_trace();
  match.random().seed(31337);
  Lcg replay = match.random();
  match.mutable_counters().computer_volley = 1;
  EXPECT_EQ(opponent.plan_volley(match), VolleyPhase::Novice);
  const std::string trace = trace_text();
  const std::vector<CellPos> shots = fired_cells(trace, "V1/R", "V1/R%*d FIRE A(%d,%d) possib=0 ");
  ASSERT_EQ(shots.size(), 6u);

  // Replay: each shot is the record at position r % n of the cells sorted by WK_TOTS (stable),
  // leaving out the cells already fired at in this volley.
  std::vector<CellPos> taken;
  for (const CellPos shot : shots) {
    std::vector<TargetCandidate> records;
    for (int x = 0; x < 8; ++x)
      for (int y = 0; y < 8; ++y)
        if (opponent.wk_tots().cell(x, y) != 0 && std::find(taken.begin(), taken.end(), CellPos{x, y}) == taken.end())
          records.push_back({x, y, opponent.wk_tots().cell(x, y), 0});
    std::stable_sort(records.begin(), records.end(),
                     [](const TargetCandidate& a, const TargetCandidate& b) { return a.tally > b.tally; });
    const TargetCandidate& expected = records[static_cast<std::size_t>(replay.draw()) % records.size()];
    EXPECT_EQ(shot, (CellPos{expected.x, expected.y}));
    taken.push_back(shot);
  }
  EXPECT_EQ(match.random().state(), replay.state());
}

TEST_F(VolleyPlannerTest, ContradictoryReportsLeaveAShipWithoutPlacementsAndNoMessage) {
  start(6, kIntermediate, 3, 10);
  match.mutable_counters().computer_volley = 2;
  // Two hits in volley 1 on the Battleship, but volley 1 fired at two cells far apart.
  match.mutable_my_shots().cell(0, 0) = 1;
  match.mutable_my_shots().cell(5, 5) = 1;
  match.mutable_his_fleet()[kBattleship].add_hit(1);
  match.mutable_his_fleet()[kBattleship].add_hit(1);
  EXPECT_EQ(opponent.plan_volley(match), VolleyPhase::B);
  EXPECT_EQ(opponent.reasoner().possib()[kBattleship], 0);
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(cells_holding(match.my_shots(), 2), 1);
}

TEST_F(VolleyPlannerTest, SameSeedGivesTheSameTraceTwice) {
  std::string traces[2];
  for (std::string& trace : traces) {
    start(10, kIntermediate, 4, 6);
    open_trace();
    match.random().seed(2024);
    new_game_with_scattered_fleet();
    for (int volley = 1; volley <= 6; ++volley) {
      match.mutable_counters().computer_volley = volley;
      opponent.plan_volley(match);
      match.take_real_hits();
    }
    trace = trace_text();
  }
  EXPECT_GT(traces[0].size(), 10000u);
  EXPECT_EQ(traces[0], traces[1]);
}

}  // namespace
}  // namespace vornmark
