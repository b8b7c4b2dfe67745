// The recorder's dealings with the file: a save that fails keeps the games for the next one and
// says so once; a damaged file is reported when it is set aside; the end of the program is quiet.
// Which games count is checked through vornmark-cli (tests/tools/cli/statistics_*.script).

#include "play/game_recorder.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "setup/match.h"
#include "support/recording_platform.h"
#include "support/temp_dir.h"

namespace vornmark {
namespace {

using testing::RecordingPlatform;
using testing::TempDir;
using testing::write_text;

// The real operations, except that every rename fails while `failing` is set.
struct SwitchableOps : SettingsFileOps {
  bool failing = false;
  int rename(const char* from, const char* to) override {
    if (!failing) return SettingsFileOps::rename(from, to);
    errno = ENOSPC;
    return -1;
  }
};

void play_one(GameRecorder& recorder, const Match& match, int player_volleys, bool won) {
  recorder.game_begun();
  for (int v = 0; v < player_volleys; ++v) recorder.volley_fired(match, true, false);
  if (won)
    recorder.game_won();
  else
    recorder.game_lost();
}

TEST(GameRecorder, AFailedSaveKeepsTheGamesSaysSoOnceAndTheEndOfTheProgramIsQuiet) {
  RecordingPlatform platform;
  Match match(platform);
  TempDir dir;
  SwitchableOps ops;
  GameRecorder recorder(platform, dir.path(), ops);

  ops.failing = true;
  play_one(recorder, match, 14, true);
  play_one(recorder, match, 20, false);
  ASSERT_EQ(platform.texts("Vornmark").size(), 1u) << "one message however many saves fail";
  EXPECT_EQ(read_statistics(dir.path(), ops).state, StatisticsFile::State::Missing);
  EXPECT_EQ(recorder.statistics().at(RecordKey{}).played, 2) << "the games wait in memory";

  ops.failing = false;
  play_one(recorder, match, 16, true);
  const GameRecord saved = read_statistics(dir.path(), ops).statistics.at(RecordKey{});
  EXPECT_EQ(saved.won_volleys, (std::map<int, int>{{14, 1}, {16, 1}}));
  EXPECT_EQ(saved.lost_volleys, (std::map<int, int>{{20, 1}}));
  EXPECT_EQ(saved.longest_streak, 1) << "the games are applied in the order they were played";

  // A damaged file is set aside with a message; at the end of the program nothing is shown.
  write_text(dir / kStatisticsFileName, "[Options]\nMaxCells=9\n");
  play_one(recorder, match, 18, true);
  const std::vector<std::string> texts = platform.texts("Vornmark");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_NE(texts[1].find("\"statistics.bad\""), std::string::npos) << texts[1];
  write_text(dir / kStatisticsFileName, "[Options]\nMaxCells=9\n");
  recorder.game_begun();
  recorder.volley_fired(match, false, false);
  EXPECT_TRUE(recorder.recording());
  recorder.program_ends();
  EXPECT_EQ(platform.texts("Vornmark").size(), 2u);
  EXPECT_EQ(read_statistics(dir.path(), ops).statistics.at(RecordKey{}).abandoned, 1);
  EXPECT_TRUE(std::filesystem::exists(dir / "statistics.bad.2"));
}

}  // namespace
}  // namespace vornmark
