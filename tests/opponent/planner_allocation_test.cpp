// Planning a volley allocates nothing. The replaced global allocation functions serve the
// whole test program, so they count only while a test asks them to.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "opponent/expert.h"
#include "opponent/opponent.h"
#include "setup/match.h"
#include "setup/start_up.h"
#include "support/temp_dir.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
}  // namespace

// The pairs below are matched (malloc with free); the compiler only sees operator names.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
  throw std::bad_alloc();
}
// Every other plain form goes through the one above and its matching release, so that a
// checking allocator sees one kind of allocation throughout.
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return operator new(size);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace vornmark {
namespace {

// A platform whose cursor changes and boxes allocate nothing themselves.
class QuietPlatform : public Platform {
 public:
  BoxAnswer message_box(const MessageBoxRequest&) override {
    ++boxes;
    return BoxAnswer::Ok;
  }
  void beep() override {}
  void set_busy_cursor(bool) override { ++cursor_changes; }
  [[noreturn]] void exit_process(int code) override { std::exit(code); }
  int boxes = 0;
  int cursor_changes = 0;
};

// Plans every volley of a whole game, counting the allocations made inside plan_volley only.
long allocations_over_a_game(int grid, int level, bool trace, const std::filesystem::path& trace_path) {
  QuietPlatform platform;
  Match match(platform);
  StartUpOptions options;
  options.command_line = trace ? "-D3 -D1" : "-D3";
  options.trace_path = trace_path.string();
  start_up(match, options);
  match.mutable_settings().MaxCells = grid;
  match.mutable_settings().PlayLevel = level;
  match.resize_boards_to_grid();
  Opponent opponent(match.report());
  // The Expert's search is made once, at its first volley; its scratch is sized for the
  // largest grid then.
  if (level == kExpert) opponent.mutable_expert().set_limits({4, 8, 100'000});
  match.new_game(Match::Counted::No);
  match.mutable_his_real_ships().clear();
  random_place_fleet(match.random(), match.grid(), match.mutable_his_fleet(), match.mutable_his_real_ships());

  long counted = 0;
  for (int volley = 1; volley <= grid * grid; ++volley) {
    match.mutable_counters().computer_volley = volley;
    allocations = 0;
    counting = true;
    opponent.plan_volley(match);
    counting = false;
    counted += allocations;
    match.take_real_hits();
    int left = 0;
    for (const Ship& ship : match.his_fleet()) left += ship.cells_left();
    if (left == 0) break;
  }
  EXPECT_EQ(platform.boxes, 0);
  EXPECT_GT(platform.cursor_changes, 2);
  return counted;
}

TEST(PlannerAllocationTest, PlanningAVolleyAllocatesNothing) {
  // The counter itself must see an allocation made while it counts.
  allocations = 0;
  counting = true;
  auto* probe = new int(7);
  counting = false;
  delete probe;
  ASSERT_EQ(allocations.load(), 1);

  testing::TempDir dir;
  EXPECT_EQ(allocations_over_a_game(15, kIntermediate, false, dir / "stats"), 0);
  EXPECT_EQ(allocations_over_a_game(30, kIntermediate, false, dir / "stats"), 0);
  EXPECT_EQ(allocations_over_a_game(9, kNovice, false, dir / "stats"), 0);
  EXPECT_EQ(allocations_over_a_game(12, kAdvanced, true, dir / "stats"), 0);
  // At 15 x 15 the Expert's game reaches volleys built to split the fleets, which at 10 x 10 the
  // last volleys' search takes over first.
  EXPECT_EQ(allocations_over_a_game(15, kExpert, false, dir / "stats"), 0);
}

}  // namespace
}  // namespace vornmark
