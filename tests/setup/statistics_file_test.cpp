#include "setup/statistics_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "setup/settings_file_ops.h"
#include "support/temp_dir.h"

namespace vornmark {
namespace {

using testing::read_text;
using testing::TempDir;
using testing::write_text;

constexpr const char* kSection = "[level=intermediate grid=15 shots=10 mode=automatic hint=off]\n";

// One record: 4 played, 2 won (in 20 and 31 volleys), 1 lost in 25, 1 abandoned.
constexpr const char* kGoodBody =
    "played=4\nwon=2\nlost=1\nabandoned=1\ncurrent_streak=1\nlongest_streak=1\n"
    "won_volleys=20:1 31:1\nlost_volleys=25:1\n";

TEST(StatisticsFile, GamesAddUpAndStreaksEndAtAnyGameNotWon) {
  GameRecord record;
  const std::vector<std::pair<GameEnd, int>> games = {{GameEnd::Won, 20},      {GameEnd::Won, 18}, {GameEnd::Lost, 30},
                                                      {GameEnd::Won, 20},      {GameEnd::Won, 25}, {GameEnd::Won, 22},
                                                      {GameEnd::Abandoned, 3}, {GameEnd::Won, 40}};
  for (const auto& [end, volleys] : games) add_game(record, end, volleys);
  EXPECT_EQ(record.played, 8);
  EXPECT_EQ(record.won, 6);
  EXPECT_EQ(record.lost, 1);
  EXPECT_EQ(record.abandoned, 1);
  EXPECT_EQ(record.current_streak, 1);
  EXPECT_EQ(record.longest_streak, 3);
  EXPECT_EQ(record.won_volleys, (std::map<int, int>{{18, 1}, {20, 2}, {22, 1}, {25, 1}, {40, 1}}));
  EXPECT_EQ(record.lost_volleys, (std::map<int, int>{{30, 1}}));
  EXPECT_EQ(record.best_win(), 18);
  EXPECT_DOUBLE_EQ(record.mean_win().value(), 145.0 / 6);
  EXPECT_DOUBLE_EQ(record.win_rate().value(), 6.0 / 8);
  EXPECT_FALSE(GameRecord{}.best_win() || GameRecord{}.mean_win() || GameRecord{}.win_rate());

  // The text keeps every figure, records apart by their keys, in the order of the keys.
  Statistics statistics;
  statistics[RecordKey{}] = record;
  add_game(statistics[RecordKey{kNovice, 4, 1, true, true}], GameEnd::Lost, 16);
  statistics[RecordKey{kAdvanced, 30, 10, false, false}];  // no games: not written
  const std::string text = statistics_to_text(statistics);
  EXPECT_NE(text.find("[level=novice grid=4 shots=1 mode=manual hint=on]\nplayed=1\nwon=0\nlost=1\nabandoned=0\n"
                      "current_streak=0\nlongest_streak=0\nwon_volleys=\nlost_volleys=16:1\n"),
            std::string::npos)
      << text;
  EXPECT_LT(text.find("level=novice"), text.find("level=intermediate"));
  EXPECT_EQ(text.find("level=advanced"), std::string::npos);
  statistics.erase(RecordKey{kAdvanced, 30, 10, false, false});
  EXPECT_EQ(statistics_from_text(text), statistics);
}

TEST(StatisticsFile, OnlyWhatSavingWritesIsRead) {
  const std::string good = std::string(kSection) + kGoodBody;
  struct Case {
    std::string text;
    bool readable;
  };
  const std::vector<Case> cases = {
      {"", true},
      {"# only comments\n\n", true},
      {good, true},
      {"# a comment\r\n" + std::string(kSection) + "played=0\r\n", true},  // CRLF, keys left out are 0
      {"played=4\n" + good, false},                                        // a key outside any section
      {good + kSection + "played=0\n", false},                             // a section twice
      {good + "played=4\n", false},                                        // a key twice
      {good + "colour=blue\n", false},                                     // an unknown key
      {good + "[Options]\nNumberOfShots=4\n", false},                      // a foreign file's section
      {std::string("[level=grandmaster grid=15 shots=10 mode=automatic hint=off]\n"), false},
      {std::string("[level=novice grid=3 shots=10 mode=automatic hint=off]\n"), false},
      {std::string("[level=novice grid=15 shots=11 mode=automatic hint=off]\n"), false},
      {std::string("[level=novice grid=15 shots=10 mode=offense hint=off]\n"), false},
      {std::string("[level=novice grid=15 shots=10 mode=automatic hint=off ]\n"), false},
      {std::string("[level=novice grid=15 shots=10 mode=automatic]\n"), false},
      {std::string(kSection) + "played=-1\n", false},
      {std::string(kSection) + "played=+1\n", false},
      {std::string(kSection) + "played= 1\n", false},
      {std::string(kSection) + "played=1234567890\n", false},                       // beyond belief
      {std::string(kSection) + "played=3\nwon=1\n", false},                         // played is not the sum
      {std::string(kSection) + "played=1\nwon=1\n", false},                         // a win without its volleys
      {std::string(kSection) + "played=1\nwon=1\nwon_volleys=20:1 20:1\n", false},  // not increasing
      {std::string(kSection) + "played=1\nwon=1\nwon_volleys=226:1\n", false},      // beyond 15 x 15 cells
      {std::string(kSection) + "played=1\nwon=1\nwon_volleys=0:1\n", false},
      {std::string(kSection) + "played=1\nwon=1\nwon_volleys=20:0 21:1\n", false},
      {std::string(kSection) + "played=1\nwon=1\nwon_volleys=20\n", false},
      {std::string(kSection) + "played=1\nwon=1\nwon_volleys=20:1\ncurrent_streak=2\nlongest_streak=2\n", false},
      {std::string(kSection) + "played=2\nwon=2\nwon_volleys=20:2\ncurrent_streak=2\nlongest_streak=1\n", false},
      {std::string("\x7f"
                   "ELF\x02\x01\x01",
                   7),
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(statistics_from_text(c.text).has_value(), c.readable);
  }
  const Statistics read = statistics_from_text(good).value();
  ASSERT_EQ(read.size(), 1u);
  const GameRecord& record = read.begin()->second;
  EXPECT_EQ(record.won_volleys, (std::map<int, int>{{20, 1}, {31, 1}}));
  EXPECT_EQ(statistics_to_text(read), statistics_to_text(statistics_from_text(statistics_to_text(read)).value()));
}

void add_a_loss(Statistics& statistics) { add_game(statistics[RecordKey{}], GameEnd::Lost, 12); }

TEST(StatisticsFile, ADamagedFileIsKeptAsideAndAnUnreadableOneLeftAlone) {
  TempDir dir;
  const std::filesystem::path file = dir / kStatisticsFileName;
  SettingsFileOps& ops = posix_settings_file_ops();
  EXPECT_EQ(read_statistics(dir.path(), ops).state, StatisticsFile::State::Missing);

  // Each damaged file goes to a name of its own; none is lost.
  for (const char* bad_name : {"statistics.bad", "statistics.bad.2", "statistics.bad.3"}) {
    SCOPED_TRACE(bad_name);
    const std::string damaged = std::string(kSection) + "played=7\nthis is not ours\n" + bad_name;
    write_text(file, damaged);
    EXPECT_EQ(read_statistics(dir.path(), ops).state, StatisticsFile::State::Damaged);
    const StatisticsSave save = save_statistics(dir.path(), add_a_loss, ops);
    EXPECT_TRUE(save.saved);
    EXPECT_EQ(save.moved_aside, bad_name);
    EXPECT_EQ(read_text(dir / bad_name), damaged);
    Statistics fresh;
    add_a_loss(fresh);
    EXPECT_EQ(read_statistics(dir.path(), ops).statistics, fresh) << "recording starts afresh";
  }
  const StatisticsSave again = save_statistics(dir.path(), add_a_loss, ops);
  EXPECT_TRUE(again.saved);
  EXPECT_TRUE(again.moved_aside.empty());
  EXPECT_EQ(read_statistics(dir.path(), ops).statistics.at(RecordKey{}).lost, 2);

  // A file that cannot be moved aside is not replaced either.
  struct NoRename : SettingsFileOps {
    int rename(const char*, const char*) override {
      errno = EACCES;
      return -1;
    }
  } no_rename;
  write_text(file, "garbage");
  EXPECT_FALSE(save_statistics(dir.path(), add_a_loss, no_rename).saved);
  EXPECT_EQ(read_text(file), "garbage");

  // A file that is there but cannot be read is left as it is, and nothing is saved.
  if (::geteuid() != 0) {
    write_text(file, statistics_to_text(read_statistics(dir.path(), ops).statistics));
    std::filesystem::permissions(file, std::filesystem::perms::none);
    EXPECT_EQ(read_statistics(dir.path(), ops).state, StatisticsFile::State::Unreadable);
    EXPECT_FALSE(save_statistics(dir.path(), add_a_loss, ops).saved);
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
  }
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);  // a directory where the file should be
  EXPECT_EQ(read_statistics(dir.path(), ops).state, StatisticsFile::State::Unreadable);
  EXPECT_FALSE(save_statistics(dir.path(), add_a_loss, ops).saved);
  EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST(StatisticsFile, TheDataDirectoryFollowsXdgDataHomeThenHome) {
  const char* old_data = std::getenv("XDG_DATA_HOME");
  const std::string saved_data = old_data ? old_data : "";
  const char* old_home = std::getenv("HOME");
  const std::string saved_home = old_home ? old_home : "";
  struct Case {
    const char* data;
    const char* home;
    const char* expected;
  };
  for (const Case& c :
       {Case{"/data", "/home/p", "/data/vornmark"}, Case{"relative", "/home/p", "/home/p/.local/share/vornmark"},
        Case{nullptr, "/home/p", "/home/p/.local/share/vornmark"}, Case{nullptr, nullptr, ""}}) {
    if (c.data)
      ::setenv("XDG_DATA_HOME", c.data, 1);
    else
      ::unsetenv("XDG_DATA_HOME");
    if (c.home)
      ::setenv("HOME", c.home, 1);
    else
      ::unsetenv("HOME");
    EXPECT_EQ(default_statistics_dir(), std::filesystem::path(c.expected));
  }
  if (old_data)
    ::setenv("XDG_DATA_HOME", saved_data.c_str(), 1);
  else
    ::unsetenv("XDG_DATA_HOME");
  if (old_home)
    ::setenv("HOME", saved_home.c_str(), 1);
  else
    ::unsetenv("HOME");
}

}  // namespace
}  // namespace vornmark
