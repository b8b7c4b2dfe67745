#include "setup/settings_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"

namespace vornmark {
namespace {

using testing::read_text;
using testing::TempDir;
using testing::write_text;

constexpr const char* kDefaultFile =
    "[Options]\n"
    "NumberOfShots=10\n"
    "AmbiguityThreshold=10\n"
    "AutomaticMode=1\n"
    "PauseVornmark=1\n"
    "PausePlayer=1\n"
    "DefenseMode=0\n"
    "MaxCells=15\n"
    "PlayLevel=1\n";

TEST(SettingsFile, MissingFileGivesTheDefaultsAndSavingWritesEightKeysInOrder) {
  TempDir dir;
  const GameSettings loaded = load_settings(dir / "config");
  EXPECT_EQ(loaded, GameSettings{});
  EXPECT_EQ(loaded.NumberOfShots, 10);
  EXPECT_EQ(loaded.MaxCells, 15);
  EXPECT_EQ(loaded.PlayLevel, 1);
  ASSERT_TRUE(save_settings(loaded, dir / "config"));
  EXPECT_EQ(read_text(dir / "config" / "VORNMARK.INI"), kDefaultFile);
}

TEST(SettingsFile, RoundTripOfChangedValues) {
  TempDir dir;
  GameSettings s;
  s.NumberOfShots = 3;
  s.AmbiguityThreshold = 27;
  s.AutomaticMode = 0;
  s.PauseVornmark = 0;
  s.PausePlayer = 1;
  s.DefenseMode = 1;
  s.MaxCells = 20;
  s.PlayLevel = 2;
  s.VornmarkView = 1;
  s.ColourScheme = 2;
  s.Sound = 0;
  ASSERT_TRUE(save_settings(s, dir.path()));
  EXPECT_EQ(load_settings(dir.path()), s);
  // Saving again over the file keeps one line per key.
  ASSERT_TRUE(save_settings(s, dir.path()));
  const std::string text = read_text(dir / "VORNMARK.INI");
  EXPECT_EQ(text.find("MaxCells=20"), text.rfind("MaxCells=20"));
  // The display keys follow the eight, once set: the view's switch, the colour scheme, the sound
  // (on by default, so written once switched off).
  EXPECT_TRUE(text.ends_with("PlayLevel=2\nVornmarkView=1\nColourScheme=2\nSound=0\n")) << text;
  // No temporary files are left beside it.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
}

TEST(SettingsFile, ValuesOutOfRangeOrGarbageAreBroughtIntoRange) {
  const GameSettings s = settings_from_text(
      "[options]\n"
      "numberofshots = 0\n"
      "AmbiguityThreshold=999999999999999\n"
      "AutomaticMode=-3\n"
      "PauseVornmark=yes\n"
      "PausePlayer=2\n"
      "DefenseMode=7\n"
      "MaxCells=3\n"
      "PlayLevel=9\n"
      "Sound=-2\n");
  EXPECT_EQ(s.NumberOfShots, 1);
  EXPECT_EQ(s.AmbiguityThreshold, 30);
  EXPECT_EQ(s.AutomaticMode, 1);
  EXPECT_EQ(s.PauseVornmark, 0);
  EXPECT_EQ(s.PausePlayer, 0);
  EXPECT_EQ(s.DefenseMode, 1);
  EXPECT_EQ(s.MaxCells, 4);
  EXPECT_EQ(s.PlayLevel, 3);
  EXPECT_EQ(s.Sound, 1);

  const GameSettings t = settings_from_text("[Options]\nMaxCells=99x\nPlayLevel=-1\nNumberOfShots=\n");
  EXPECT_EQ(t.MaxCells, 30);
  EXPECT_EQ(t.PlayLevel, 0);
  EXPECT_EQ(t.NumberOfShots, 10) << "an empty value reads as the default";
  EXPECT_EQ(settings_from_text("MaxCells=20\n").MaxCells, 15) << "keys outside the section do not count";
  // The colour scheme names a choice: a value that names none is Classic, not the nearest one.
  for (const auto& [text, scheme] : {std::pair{"2", 2}, {"1x", 1}, {"3", 0}, {"-1", 0}, {"99", 0}, {"", 0}})
    EXPECT_EQ(settings_from_text(std::string("[Options]\nColourScheme=") + text + "\n").ColourScheme, scheme) << text;
  EXPECT_EQ(settings_from_text("\x01\x02\n[Options\nMaxCells=  20  \r\n").MaxCells, 20);
}

TEST(SettingsFile, OtherSectionsKeysAndCommentsAreKept) {
  TempDir dir;
  write_text(dir / "VORNMARK.INI",
             "; my notes\n"
             "[Window]\n"
             "Width=800\n"
             "\n"
             "[Options]\n"
             "MaxCells=20\n"
             "Colour=blue\n"
             "\n"
             "[Later]\n"
             "Key=value\n");
  GameSettings s = load_settings(dir.path());
  EXPECT_EQ(s.MaxCells, 20);
  s.MaxCells = 12;
  ASSERT_TRUE(save_settings(s, dir.path()));
  EXPECT_EQ(read_text(dir / "VORNMARK.INI"),
            "; my notes\n"
            "[Window]\n"
            "Width=800\n"
            "\n"
            "[Options]\n"
            "MaxCells=12\n"
            "Colour=blue\n"
            "NumberOfShots=10\n"
            "AmbiguityThreshold=10\n"
            "AutomaticMode=1\n"
            "PauseVornmark=1\n"
            "PausePlayer=1\n"
            "DefenseMode=0\n"
            "PlayLevel=1\n"
            "\n"
            "[Later]\n"
            "Key=value\n");
}

TEST(SettingsFile, AFileWithoutTheSectionGetsItAppended) {
  EXPECT_EQ(settings_into_text("[Other]\nA=1", GameSettings{}), std::string("[Other]\nA=1\n\n") + kDefaultFile);
}

TEST(SettingsFile, UnwritableDirectoryFailsWithoutTouchingTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
  TempDir dir;
  write_text(dir / "VORNMARK.INI", "[Options]\nMaxCells=20\n");
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  GameSettings s;
  s.MaxCells = 9;
  EXPECT_FALSE(save_settings(s, dir.path()));
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
  EXPECT_EQ(read_text(dir / "VORNMARK.INI"), "[Options]\nMaxCells=20\n");
}

TEST(SettingsFile, TargetThatCannotBeReplacedFailsAndLeavesNoTemporaryFile) {
  TempDir dir;
  std::filesystem::create_directory(dir / "VORNMARK.INI");
  EXPECT_FALSE(save_settings(GameSettings{}, dir.path()));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(SettingsFile, DirectoryThatCannotBeCreatedFailsCleanly) {
  TempDir dir;
  write_text(dir / "plain-file", "x");
  EXPECT_FALSE(save_settings(GameSettings{}, dir / "plain-file" / "vornmark"));
  EXPECT_FALSE(save_settings(GameSettings{}, std::filesystem::path()));
  EXPECT_EQ(load_settings(dir / "plain-file" / "vornmark"), GameSettings{});
}

TEST(SettingsFile, DefaultDirectoryFollowsXdgConfigHome) {
  const char* old_config = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old_config ? old_config : "";
  const char* old_home = std::getenv("HOME");
  const std::string saved_home = old_home ? old_home : "";
  ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
  EXPECT_EQ(default_settings_dir(), std::filesystem::path("/tmp/xdg-test/vornmark"));
  ::setenv("XDG_CONFIG_HOME", "relative", 1);
  ::setenv("HOME", "/home/player", 1);
  EXPECT_EQ(default_settings_dir(), std::filesystem::path("/home/player/.config/vornmark"));
  if (old_home) ::setenv("HOME", saved_home.c_str(), 1);
  if (old_config)
    ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  else
    ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace vornmark
