// Any sequence of presses and menu commands at any grid size and level: presses on a laid-out
// window go through classify_click, others reach the play flow directly as click targets; the
// menu starts games, enters Place mode, runs the Simulation command and opens the Options and
// Pacing dialogs with any texts. After every step the game's invariants hold.
//
// Input: a header (grid size, shots, threshold, mode flags, level, who starts, the generator's
// state, the window size) and then one step after another, each an opcode and its operands.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "play/play_flow.h"
#include "play/view.h"
#include "play_invariants.h"
#include "presentation/dialogs.h"
#include "presentation/layout.h"
#include "setup/match.h"
#include "setup/settings_file.h"
#include "setup/start_up.h"

namespace vornmark::fuzz {
namespace {

// Keeps each input cheap: a simulated game plays a whole game of computer volleys, hundreds
// on a large grid, so an input runs one at most, and only on grids up to 10 x 10 (the soak
// plays simulated games at every size).
constexpr int kMaxSimulations = 1;
constexpr int kLargestSimulatedGrid = 10;
constexpr int kMaxSteps = 400;

enum Step : std::uint8_t {
  kPressInWindow,
  kPressAnywhere,
  kRightPressInWindow,
  kRelease,
  kPressTarget,
  kRightPressTarget,
  kNewGame,
  kPlace,
  kSimulation,
  kOptionsDialog,
  kPacingDialog,
  kResizeWindow,
  kStepCount
};

const char* step_name(int step) {
  static constexpr const char* kNames[] = {"press in window", "press anywhere", "right press in window",
                                           "release",         "press target",   "right press target",
                                           "new game",        "place",          "simulation",
                                           "options dialog",  "pacing dialog",  "resize"};
  return kNames[step];
}

// Settings from the header, always in range: they go through the settings file as the
// program's own start does.
GameSettings header_settings(ByteReader& in, WhoStarts& who_starts) {
  GameSettings s;
  s.MaxCells = kMinGrid + in.byte() % (kMaxGrid - kMinGrid + 1);
  s.NumberOfShots = 1 + in.byte() % 10;
  s.AmbiguityThreshold = 1 + in.byte() % 30;
  const std::uint8_t flags = in.byte();
  s.AutomaticMode = flags & 1;
  s.PauseVornmark = (flags >> 1) & 1;
  s.PausePlayer = (flags >> 2) & 1;
  s.DefenseMode = (flags >> 3) & 1;
  s.PlayLevel = ((flags >> 4) & 3) % 3;
  who_starts = (flags >> 6) & 1 ? WhoStarts::Computer : WhoStarts::You;
  return s;
}

// A click target as the flow may receive it: grid cells inside the grid, panel cells of the
// four ships (cells past a ship's end included, as hit_at handles them).
ClickTarget any_target(ByteReader& in, int grid) {
  switch (in.byte() % 4) {
    case 0:
      return ClickTarget::nothing();
    case 1: {
      const int column = in.byte() % grid;
      return ClickTarget::grid(column, in.byte() % grid);
    }
    case 2: {
      const int ship = in.byte() % 4;
      return ClickTarget::panel(ship, in.byte() % 5);
    }
    default:
      return ClickTarget::status();
  }
}

// A position in or just beside the window, so that most presses land on something.
std::uint32_t position_in_window(ByteReader& in, const Layout& layout) {
  const int x = in.u16() % (layout.client_width + 16);
  const int y = in.u16() % (layout.client_height + 16);
  return pack_position(x, y);
}

// The dialog as it opened, with some of its controls changed to anything.
OptionsDialogState options_from(ByteReader& in, OptionsDialogState state) {
  const std::uint8_t changed = in.byte();
  if (changed & 1) state.mode = static_cast<OptionsDialogState::Mode>(in.byte() % 3);
  if (changed & 2) state.who_starts = in.byte() & 1 ? WhoStarts::Computer : WhoStarts::You;
  if (changed & 4) state.level = static_cast<int>(in.byte() % 4) - 1;
  if (changed & 8) state.threshold_text = in.text(6);
  if (changed & 16) state.shots_text = in.text(6);
  return state;
}

// With VORNMARK_FUZZ_TRACE set, each step is printed as it runs, to read a finding.
bool tracing() {
  static const bool on = std::getenv("VORNMARK_FUZZ_TRACE") != nullptr;
  return on;
}

ClickTarget traced(const char* what, ClickTarget target) {
  if (tracing())
    std::fprintf(stderr, "%s: kind %d column %d row %d ship %d cell %d\n", what, static_cast<int>(target.kind),
                 target.column, target.row, target.ship, target.cell);
  return target;
}

}  // namespace
}  // namespace vornmark::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vornmark;
  using namespace vornmark::fuzz;
  ByteReader in(data, size);

  WhoStarts who_starts;
  const GameSettings settings = header_settings(in, who_starts);
  const std::uint32_t seed = in.u32();
  const int width = 120 + in.u16() % 1900;
  const int height = 120 + in.u16() % 1300;

  const std::filesystem::path dir = scratch_dir() / "play";
  UnflushedFileOps file_ops;
  FUZZ_CHECK(save_settings(settings, dir, file_ops), "cannot write the settings file");
  OkPlatform platform;
  Match match(platform);
  StartUpOptions options;
  options.command_line = "-D3 -D0";
  options.settings_dir = dir;
  start_up(match, options);
  FUZZ_CHECK(match.settings() == settings, "start-up did not take the settings from the file");
  match.random().seed(seed);
  match.set_who_starts(who_starts);
  match.report().set_main_window_ready(true);
  if (tracing())
    std::fprintf(stderr, "grid %d shots %d threshold %d automatic %d pauses %d/%d offense %d level %d %s starts\n",
                 settings.MaxCells, settings.NumberOfShots, settings.AmbiguityThreshold, settings.AutomaticMode,
                 settings.PausePlayer, settings.PauseVornmark, settings.DefenseMode, settings.PlayLevel,
                 who_starts == WhoStarts::You ? "player" : "computer");

  CheckingView view(match);
  PlayFlow flow(match, view);
  Layout layout;
  layout_window(layout, match, width, height);
  InvariantChecker checker(flow, platform, view);
  checker.check("start-up");

  int simulations = 0;
  for (int steps = 0; steps < kMaxSteps && !in.empty(); ++steps) {
    const int step = in.byte() % kStepCount;
    if (tracing() && step != kPressInWindow && step != kPressAnywhere && step != kRightPressInWindow &&
        step != kPressTarget && step != kRightPressTarget)
      std::fprintf(stderr, "%s\n", step_name(step));
    switch (step) {
      case kPressInWindow:
        flow.on_left_press(traced("press", classify_click(layout, position_in_window(in, layout))));
        break;
      case kPressAnywhere:
        flow.on_left_press(traced("press", classify_click(layout, in.u32())));
        break;
      case kRightPressInWindow:
        flow.on_right_press(traced("right press", classify_click(layout, position_in_window(in, layout))));
        break;
      case kRelease:
        flow.on_left_release();
        break;
      case kPressTarget:
        flow.on_left_press(traced("press", any_target(in, match.grid())));
        break;
      case kRightPressTarget:
        flow.on_right_press(traced("right press", any_target(in, match.grid())));
        break;
      case kNewGame:
        flow.start_new_game();
        break;
      case kPlace:
        flow.enter_place_mode();
        break;
      case kSimulation:
        if (match.grid() <= kLargestSimulatedGrid && simulations++ < kMaxSimulations) flow.run_simulation();
        break;
      case kOptionsDialog: {
        // Opened, changed and confirmed with OK once; Cancel would change nothing.
        options_dialog_ok(flow, options_from(in, options_dialog_init(match)));
        break;
      }
      case kPacingDialog: {
        PacingDialogState state = pacing_dialog_init(match);
        const std::uint8_t clicks = in.byte();
        if (clicks & 1) state.pause_after_player = !state.pause_after_player;
        if (clicks & 2) state.pause_after_vornmark = !state.pause_after_vornmark;
        pacing_dialog_ok(match, state);
        break;
      }
      case kResizeWindow: {
        const int new_width = in.u16() & 0x7FFF;
        layout_window(layout, match, new_width, in.u16() & 0x7FFF);
        break;
      }
    }
    if (!checker.check(step_name(step))) break;
  }
  return 0;
}
