#include "presentation/dialogs.h"

#include <gtest/gtest.h>

#include "play/play_flow.h"
#include "setup/match.h"
#include "setup/start_up.h"
#include "support/recording_platform.h"
#include "support/recording_view.h"

namespace vornmark {
namespace {

using testing::RecordingPlatform;
using testing::RecordingView;
using Mode = OptionsDialogState::Mode;

class DialogsTest : public ::testing::Test {
 protected:
  DialogsTest() {
    StartUpOptions options;
    options.command_line = "-D3";
    start_up(match, options);
  }
  DialogOkResult ok_with(Mode mode, const char* threshold = "10", const char* shots = "10") {
    OptionsDialogState state = options_dialog_init(match);
    state.mode = mode;
    state.threshold_text = threshold;
    state.shots_text = shots;
    return options_dialog_ok(flow, state);
  }

  RecordingPlatform platform;
  Match match{platform};
  RecordingView view;
  PlayFlow flow{match, view};
};

TEST_F(DialogsTest, OptionsShowTheCurrentSettings) {
  match.mutable_settings().AmbiguityThreshold = 7;
  match.mutable_settings().NumberOfShots = 4;
  match.mutable_settings().PlayLevel = 2;
  match.set_who_starts(WhoStarts::Computer);
  OptionsDialogState state = options_dialog_init(match);
  EXPECT_EQ(state.mode, Mode::Automatic);
  EXPECT_EQ(state.who_starts, WhoStarts::Computer);
  EXPECT_EQ(state.level, 2);
  EXPECT_EQ(state.threshold_text, "7");
  EXPECT_EQ(state.shots_text, "4");
  match.mutable_settings().AutomaticMode = 0;
  EXPECT_EQ(options_dialog_init(match).mode, Mode::Manual);
  match.mutable_settings().AutomaticMode = 1;
  match.mutable_settings().DefenseMode = 1;
  EXPECT_EQ(options_dialog_init(match).mode, Mode::Offense);
}

TEST_F(DialogsTest, ThresholdIsCheckedBeforeTheShotCountWithTheWarningBox) {
  DialogOkResult result = ok_with(Mode::Automatic, "0", "99");
  EXPECT_FALSE(result.close);
  EXPECT_EQ(result.focus, DialogFocus::Threshold);
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].caption, "Vornmark");
  EXPECT_EQ(platform.boxes[0].text, "Ambiguity Threshold must be between 1 and 30");
  EXPECT_EQ(match.settings().AmbiguityThreshold, 10);

  EXPECT_FALSE(ok_with(Mode::Automatic, "31").close);
  EXPECT_FALSE(ok_with(Mode::Automatic, "abc").close);
  result = ok_with(Mode::Automatic, "30", "10");
  EXPECT_TRUE(result.close);
  EXPECT_EQ(match.settings().AmbiguityThreshold, 30);

  // Cancel in the warning box ends the program.
  platform.answers.push_back(BoxAnswer::Cancel);
  EXPECT_THROW(ok_with(Mode::Automatic, "0"), testing::ProcessExit);
}

TEST_F(DialogsTest, ShotCountErrorsAreOwnedByTheDialogAndWhatWasSetStays) {
  for (const char* bad : {"11", "0", ""}) {
    platform.clear();
    OptionsDialogState state = options_dialog_init(match);
    state.level = 0;
    state.threshold_text = "12";
    state.shots_text = bad;
    const DialogOkResult result = options_dialog_ok(flow, state);
    EXPECT_FALSE(result.close);
    EXPECT_EQ(result.focus, DialogFocus::Shots);
    ASSERT_EQ(platform.boxes.size(), 1u) << bad;
    EXPECT_EQ(platform.boxes[0].owner, BoxOwner::Dialog);
    EXPECT_EQ(platform.boxes[0].caption, "Error");
    EXPECT_EQ(platform.boxes[0].text, "Shots per volley must be between 1 and 10");
    EXPECT_EQ(platform.boxes[0].buttons, BoxButtons::Ok);
    // The steps before the failed check took effect.
    EXPECT_EQ(match.settings().PlayLevel, 0);
    EXPECT_EQ(match.settings().AmbiguityThreshold, 12);
    EXPECT_EQ(match.settings().NumberOfShots, 10);
  }
  EXPECT_TRUE(ok_with(Mode::Automatic, "10", "1").close);
  EXPECT_EQ(match.settings().NumberOfShots, 1);
}

TEST_F(DialogsTest, EachModeChoiceLeadsToThatModeOnce) {
  // Manual from Automatic starts a game at once; Manual again starts nothing.
  ok_with(Mode::Manual);
  EXPECT_EQ(match.settings().AutomaticMode, 0);
  EXPECT_EQ(match.game_counter(), 1);
  EXPECT_EQ(match.play_state(), PlayState::Idle) << "the state and views are not touched";
  ok_with(Mode::Manual);
  EXPECT_EQ(match.game_counter(), 1);

  // Offense from Manual, then Manual again leads back.
  ok_with(Mode::Offense);
  EXPECT_EQ(match.settings().DefenseMode, 1);
  EXPECT_EQ(match.game_counter(), 2);
  ok_with(Mode::Offense);
  EXPECT_EQ(match.game_counter(), 2);
  ok_with(Mode::Manual);
  EXPECT_EQ(match.settings().DefenseMode, 0);
  EXPECT_EQ(match.settings().AutomaticMode, 0);
  EXPECT_EQ(match.game_counter(), 3);

  // Automatic from Manual enters Place mode (not counted as a game).
  ok_with(Mode::Automatic);
  EXPECT_EQ(match.play_state(), PlayState::Placing);
  EXPECT_EQ(match.settings().AutomaticMode, 1);
  EXPECT_EQ(match.game_counter(), 3);

  // Offense entered from Automatic: choosing Automatic leads back through Place mode, and
  // Manual through a new game.
  ok_with(Mode::Offense);
  EXPECT_EQ(match.settings().AutomaticMode, 1);
  EXPECT_EQ(match.settings().DefenseMode, 1);
  match.set_play_state(PlayState::PlayerAiming);
  ok_with(Mode::Automatic);
  EXPECT_EQ(match.play_state(), PlayState::Placing);
  EXPECT_EQ(match.settings().DefenseMode, 0);
  ok_with(Mode::Offense);
  ok_with(Mode::Manual);
  EXPECT_EQ(match.settings().AutomaticMode, 0);
  EXPECT_EQ(match.settings().DefenseMode, 0);
}

TEST_F(DialogsTest, GeometryAcceptsFourToThirty) {
  EXPECT_EQ(geometry_dialog_init(match), "15");
  for (const char* bad : {"3", "31", "", "x"}) {
    EXPECT_FALSE(geometry_dialog_ok(match, bad).close);
  }
  ASSERT_EQ(platform.boxes.size(), 4u);
  EXPECT_EQ(platform.boxes[0].caption, "Grid size error");
  EXPECT_EQ(platform.boxes[0].text, "Grid size must be between 4 and 30");
  EXPECT_EQ(platform.boxes[0].owner, BoxOwner::Dialog);
  EXPECT_EQ(match.settings().MaxCells, 15);
  EXPECT_TRUE(geometry_dialog_ok(match, "4").close);
  EXPECT_TRUE(geometry_dialog_ok(match, "30").close);
  EXPECT_EQ(match.settings().MaxCells, 30);
  match.resize_boards_to_grid();
  EXPECT_EQ(match.my_sea().width(), 30);
  EXPECT_EQ(match.his_real_ships().height(), 30);
}

TEST_F(DialogsTest, PacingStoresBothFlagsAndOpeningTwiceChangesNothing) {
  pacing_dialog_ok(match, {false, true});
  EXPECT_EQ(match.settings().PausePlayer, 0);
  EXPECT_EQ(match.settings().PauseVornmark, 1);
  const GameSettings before = match.settings();
  pacing_dialog_ok(match, pacing_dialog_init(match));
  pacing_dialog_ok(match, pacing_dialog_init(match));
  EXPECT_EQ(match.settings(), before);
}

TEST(DialogNumber, ReadsWholeUnsignedNumbersAndAnythingElseAsZero) {
  EXPECT_EQ(dialog_number("12"), 12u);
  EXPECT_EQ(dialog_number(" 7 "), 7u);
  EXPECT_EQ(dialog_number("+3"), 3u);
  EXPECT_EQ(dialog_number(""), 0u);
  EXPECT_EQ(dialog_number("-1"), 0u);
  EXPECT_EQ(dialog_number("5x"), 0u);
  EXPECT_EQ(dialog_number("4294967295"), 4294967295u);
  EXPECT_EQ(dialog_number("4294967296"), 0u);
}

}  // namespace
}  // namespace vornmark
