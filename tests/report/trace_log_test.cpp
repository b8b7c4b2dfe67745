#include "report/trace_log.h"

#include <gtest/gtest.h>

#include <string>

#include "report/reporter.h"
#include "support/recording_platform.h"
#include "support/temp_dir.h"

namespace vornmark {
namespace {

using testing::ProcessExit;
using testing::read_text;
using testing::RecordingPlatform;
using testing::TempDir;

TEST(TraceLog, WritesTextsUnchangedAndStopsAfterTheCap) {
  TempDir dir;
  TraceLog log;
  ASSERT_TRUE(log.open((dir / "stats").string()));
  for (int i = 0; i < 10500; ++i) log.tracef("%d\n", i);
  EXPECT_EQ(log.message_count(), 10500);
  log.close();
  const std::string text = read_text(dir / "stats");
  std::string expected;
  for (int i = 0; i < TraceLog::kMessageCap; ++i) expected += std::to_string(i) + "\n";
  EXPECT_EQ(text, expected);
}

TEST(TraceLog, ClosedLogWritesNothingButCountsEveryCall) {
  TraceLog log;
  log.trace("a");
  log.tracef("%s", "b");
  EXPECT_FALSE(log.writes_next());
  EXPECT_EQ(log.message_count(), 2);
}

TEST(TraceLog, MessagesCountedBeforeOpeningUseUpTheCap) {
  TempDir dir;
  TraceLog log;
  for (int i = 0; i < TraceLog::kMessageCap - 1; ++i) log.count_unwritten();
  ASSERT_TRUE(log.open((dir / "stats").string()));
  log.trace("last\n");
  log.trace("beyond\n");
  log.close();
  EXPECT_EQ(read_text(dir / "stats"), "last\n");
}

TEST(FinishAndExit, WritesTheHistogramRangeAndItsMeanThenExitsWithZero) {
  TempDir dir;
  RecordingPlatform platform;
  Reporter reporter(platform);
  ASSERT_TRUE(reporter.log().open((dir / "stats").string()));
  reporter.log().histogram()[3] = 2;
  reporter.log().histogram()[5] = 1;
  try {
    reporter.finish_and_exit();
    FAIL() << "finish_and_exit returned";
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.code, 0);
  }
  EXPECT_EQ(read_text(dir / "stats"), "3 2\n4 0\n5 1\n3.7 3\n");
  EXPECT_FALSE(reporter.log().is_open());
}

TEST(WarningBox, CancelEndsWithTheEmptySummaryAndOkCarriesOn) {
  TempDir dir;
  RecordingPlatform platform;
  Reporter reporter(platform);
  ASSERT_TRUE(reporter.log().open((dir / "stats").string()));
  reporter.log().trace("before\n");

  reporter.warning_box("first");
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].caption, "Vornmark");
  EXPECT_EQ(platform.boxes[0].buttons, BoxButtons::OkCancel);
  EXPECT_EQ(platform.boxes[0].icon, BoxIcon::Warning);
  EXPECT_EQ(platform.boxes[0].owner, BoxOwner::None);

  reporter.set_main_window_ready(true);
  platform.answers.push_back(BoxAnswer::Cancel);
  EXPECT_THROW(reporter.warning_box("second"), ProcessExit);
  EXPECT_EQ(platform.boxes.back().owner, BoxOwner::MainWindow);
  const std::string text = read_text(dir / "stats");
  // The empty histogram's mean is 0 / 0; only the count after it is fixed.
  ASSERT_GE(text.size(), 9u);
  EXPECT_EQ(text.substr(0, 7), "before\n");
  EXPECT_EQ(text.substr(text.size() - 3), " 0\n");
  EXPECT_EQ(text.find('\n', 7), text.size() - 1) << "exactly one summary line";
}

TEST(WarningBox, CancelWithoutTraceLogStillEndsTheProgram) {
  RecordingPlatform platform;
  Reporter reporter(platform);
  platform.answers.push_back(BoxAnswer::Cancel);
  EXPECT_THROW(reporter.warning_box("stop"), ProcessExit);
}

TEST(Reporter, BoundsAndUserErrorsAreOkOnlyBoxesCaptionedError) {
  RecordingPlatform platform;
  Reporter reporter(platform);
  platform.answers.push_back(BoxAnswer::Cancel);  // must not be consumed by OK-only boxes
  reporter.bounds_error("outside");
  reporter.error_box("refused");
  ASSERT_EQ(platform.boxes.size(), 2u);
  EXPECT_EQ(platform.boxes[0].owner, BoxOwner::None);
  EXPECT_EQ(platform.boxes[1].owner, BoxOwner::MainWindow);
  for (const auto& box : platform.boxes) {
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.buttons, BoxButtons::Ok);
  }
  EXPECT_EQ(platform.answers.size(), 1u);
}

}  // namespace
}  // namespace vornmark
