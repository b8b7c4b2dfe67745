// Any bytes as the game file: the reader refuses them, or the game it resumes passes the play
// flow's invariants, saves back to the very same text, and holds the invariants while play goes
// on from it with presses and menu commands drawn from the same bytes.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz_support.h"
#include "play/game_recorder.h"
#include "play/play_flow.h"
#include "play_invariants.h"
#include "presentation/dialogs.h"
#include "setup/match.h"
#include "setup/start_up.h"

namespace {
constexpr int kSteps = 60;
constexpr int kLargestSimulatedGrid = 10;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vornmark;
  using namespace vornmark::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  OkPlatform platform;
  Match match(platform);
  StartUpOptions options;
  options.command_line = "-D3";
  start_up(match, options);
  match.report().set_main_window_ready(true);
  CheckingView view(match);
  PlayFlow flow(match, view);
  GameRecorder recorder(platform, {});  // keeps the record of the game, writes no file
  flow.set_recorder(&recorder);
  const std::string before = flow.saved_game();
  std::string why;
  if (!flow.resume(text, &why)) {
    FUZZ_CHECK(!why.empty(), "a refusal without a reason");
    // A seed refused by mistake is worth less: VORNMARK_FUZZ_TRACE=1 says why it was.
    if (std::getenv("VORNMARK_FUZZ_TRACE") != nullptr) std::fprintf(stderr, "refused: %s\n", why.c_str());
    FUZZ_CHECK(flow.saved_game() == before, "a refused file changed the game");
    return 0;
  }
  FUZZ_CHECK(flow.saved_game() == text, "the game resumed does not save back to its file");

  InvariantChecker checker(flow, platform, view);
  if (match.settings().AutomaticMode == 0) checker.planner_gave_up_before();
  if (!checker.check("resume")) return 0;

  // Play goes on: steps drawn from the file's own bytes, read from its end backwards.
  std::vector<std::uint8_t> steps(data, data + std::min<std::size_t>(size, 4 * kSteps));
  std::reverse(steps.begin(), steps.end());
  ByteReader in(steps.data(), steps.size());
  const int grid = match.grid();
  bool simulated = false;
  for (int step = 0; step < kSteps && !in.empty(); ++step) {
    switch (in.byte() % 10) {
      case 0:
      case 1:
      case 2:
        flow.on_left_press(ClickTarget::grid(in.byte() % grid, in.byte() % grid));
        break;
      case 3:
        flow.on_left_press(ClickTarget::panel(in.byte() % 4, in.byte() % 5));
        break;
      case 4:
      case 5:
        flow.on_left_press(ClickTarget::status());
        break;
      case 6:
        flow.on_left_release();
        flow.on_right_press(ClickTarget::grid(in.byte() % grid, in.byte() % grid));
        break;
      case 7:
        flow.start_new_game();
        break;
      case 8:
        flow.enter_place_mode();
        break;
      default:
        // A simulated game plays a whole game: one an input, on small grids.
        if (grid <= kLargestSimulatedGrid && !simulated) flow.run_simulation();
        simulated = true;
        break;
    }
    if (!checker.check("a step after resuming")) break;
  }
  return 0;
}
