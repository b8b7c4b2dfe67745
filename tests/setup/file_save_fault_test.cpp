// Saving the settings and the statistics when the file system fails at each step: no space,
// no permission, an input/output error, a crash between writing and renaming. The file on disk
// must always be the old one or the new one, whole, and never empty.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "setup/settings_file.h"
#include "setup/settings_file_ops.h"
#include "setup/statistics_file.h"
#include "support/temp_dir.h"

namespace vornmark {
namespace {

using testing::read_text;
using testing::TempDir;
using testing::write_text;

constexpr int kCrashCode = 86;

// The real operations, except that operation number `fail_at` (counting every call, 1 first)
// goes wrong as `fault` says.
class FaultyOps : public SettingsFileOps {
 public:
  enum class Fault {
    Fail,         // the call fails with `error`; a failing write first writes half its bytes
    NoProgress,   // a write returns 0
    CrashBefore,  // the process dies before the call takes effect (a write: after half of it)
    CrashAfter,   // the process dies right after the call took effect
  };

  int fail_at = 0;
  Fault fault = Fault::Fail;
  int error = EIO;
  std::size_t write_cap = 0;  // when not 0, every write stops after this many bytes
  int calls = 0;
  std::vector<std::string> steps;

  ReadResult read(const std::filesystem::path& path, std::string& text) override {
    if (!due("read")) return SettingsFileOps::read(path, text);
    if (fault == Fault::CrashAfter) SettingsFileOps::read(path, text);
    crash_if_asked();
    errno = error;
    return ReadResult::Failed;
  }
  int make_temporary(std::string& path_template) override {
    if (!due("make_temporary")) return SettingsFileOps::make_temporary(path_template);
    if (fault == Fault::CrashAfter) SettingsFileOps::make_temporary(path_template);
    crash_if_asked();
    errno = error;
    return -1;
  }
  ssize_t write(int fd, const char* data, std::size_t size) override {
    if (write_cap != 0 && size > write_cap) size = write_cap;
    if (!due("write")) return SettingsFileOps::write(fd, data, size);
    if (fault == Fault::NoProgress) return 0;
    SettingsFileOps::write(fd, data, fault == Fault::CrashAfter ? size : size / 2);
    crash_if_asked();
    errno = error;
    return -1;
  }
  int sync(int fd) override {
    return plain("sync", [&] { return SettingsFileOps::sync(fd); });
  }
  int close(int fd) override {
    const int result = plain("close", [&] { return SettingsFileOps::close(fd); });
    // A failed close still releases the descriptor, as the kernel's does.
    if (result != 0) SettingsFileOps::close(fd);
    return result;
  }
  int rename(const char* from, const char* to) override {
    return plain("rename", [&] { return SettingsFileOps::rename(from, to); });
  }
  int unlink(const char* path) override {
    return plain("unlink", [&] { return SettingsFileOps::unlink(path); });
  }
  void sync_directory(const std::filesystem::path& dir) override {
    plain("sync_directory", [&] {
      SettingsFileOps::sync_directory(dir);
      return 0;
    });
  }

 private:
  bool due(const char* step) {
    steps.emplace_back(step);
    return ++calls == fail_at;
  }
  void crash_if_asked() const {
    if (fault == Fault::CrashBefore || fault == Fault::CrashAfter) std::_Exit(kCrashCode);
  }
  // An operation that reports its failure by returning -1.
  template <typename Real>
  int plain(const char* step, Real real) {
    if (!due(step)) return real();
    if (fault == Fault::CrashAfter) real();
    crash_if_asked();
    errno = error;
    return -1;
  }
};

constexpr const char* kOldSettings =
    "; kept by hand\n"
    "[Window]\n"
    "Width=800\n"
    "[Options]\n"
    "NumberOfShots=4\n"
    "MaxCells=21\n"
    "PlayLevel=0\n"
    "[Later]\n"
    "Key=value\n";

GameSettings changed_settings() {
  GameSettings s;
  s.NumberOfShots = 7;
  s.AmbiguityThreshold = 25;
  s.AutomaticMode = 0;
  s.PauseVornmark = 0;
  s.MaxCells = 9;
  s.PlayLevel = 2;
  return s;
}

// A game won in 19 volleys, the change that saving the statistics makes in these tests.
void add_a_win(Statistics& statistics) { add_game(statistics[RecordKey{}], GameEnd::Won, 19); }

std::string old_statistics() {
  Statistics statistics;
  add_game(statistics[RecordKey{}], GameEnd::Lost, 30);
  add_game(statistics[RecordKey{2, 10, 3, true, false}], GameEnd::Abandoned, 4);
  return statistics_to_text(statistics);
}

// A file the game saves, with what a save writes over a given text and what loading gives.
struct SavedFile {
  std::string name;
  std::string old_text;
  std::function<bool(const std::filesystem::path& dir, SettingsFileOps& ops)> save;
  std::function<std::string(std::string_view existing)> saved_over;
  std::function<std::string(const std::filesystem::path& dir)> loaded;  // as a text, to compare
};

const std::vector<SavedFile>& saved_files() {
  static const std::vector<SavedFile> files = {
      {kSettingsFileName, kOldSettings,
       [](const std::filesystem::path& dir, SettingsFileOps& ops) {
         return save_settings(changed_settings(), dir, ops);
       },
       [](std::string_view existing) { return settings_into_text(existing, changed_settings()); },
       [](const std::filesystem::path& dir) { return settings_into_text("", load_settings(dir)); }},
      {kStatisticsFileName, old_statistics(),
       [](const std::filesystem::path& dir, SettingsFileOps& ops) {
         return save_statistics(dir, add_a_win, ops).saved;
       },
       [](std::string_view existing) {
         Statistics statistics = statistics_from_text(existing).value();
         add_a_win(statistics);
         return statistics_to_text(statistics);
       },
       [](const std::filesystem::path& dir) {
         return statistics_to_text(read_statistics(dir, posix_settings_file_ops()).statistics);
       }},
  };
  return files;
}

std::vector<std::string> entries(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

const std::vector<std::string> kSaveSteps = {"read",  "make_temporary", "write",         "sync",
                                             "close", "rename",         "sync_directory"};
constexpr std::size_t kRenameStep = 6;

TEST(SaveFaults, AFailureAtAnyStepKeepsTheOldFileWholeAndLeavesNoTemporary) {
  for (const SavedFile& file : saved_files()) {
    SCOPED_TRACE(file.name);
    const std::string new_text = file.saved_over(file.old_text);
    {
      TempDir dir;
      write_text(dir / file.name, file.old_text);
      FaultyOps ops;
      ASSERT_TRUE(file.save(dir.path(), ops));
      EXPECT_EQ(ops.steps, kSaveSteps) << "the file is flushed and closed before it is renamed";
      EXPECT_EQ(read_text(dir / file.name), new_text);
    }
    for (const int error : {ENOSPC, EACCES, EIO, EDQUOT}) {
      for (std::size_t fail_at = 1; fail_at <= kSaveSteps.size(); ++fail_at) {
        const std::string& failing = kSaveSteps[fail_at - 1];
        SCOPED_TRACE("errno " + std::to_string(error) + " at " + failing);
        TempDir dir;
        write_text(dir / file.name, file.old_text);
        FaultyOps ops;
        ops.fail_at = static_cast<int>(fail_at);
        ops.error = error;
        const bool saved = file.save(dir.path(), ops);
        const std::string last_step = fail_at <= 2 ? failing : fail_at <= kRenameStep ? "unlink" : "sync_directory";
        EXPECT_EQ(ops.steps.back(), last_step) << "a failed save stops at once and removes its temporary";
        // Once renamed, the new file is in place whether or not the directory could be flushed.
        const bool renamed = fail_at > kRenameStep;
        EXPECT_EQ(saved, renamed);
        EXPECT_EQ(read_text(dir / file.name), renamed ? new_text : file.old_text);
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{file.name});
      }
    }
  }
}

TEST(SaveFaults, AFailedFirstSaveLeavesNoFileAtAll) {
  for (const SavedFile& file : saved_files()) {
    for (int fail_at = 1; fail_at <= static_cast<int>(kRenameStep); ++fail_at) {
      SCOPED_TRACE(file.name + ": failing operation " + std::to_string(fail_at));
      TempDir dir;
      FaultyOps ops;
      ops.fail_at = fail_at;
      ops.error = ENOSPC;
      EXPECT_FALSE(file.save(dir / "vornmark", ops));
      EXPECT_TRUE(entries(dir / "vornmark").empty());
      EXPECT_EQ(file.loaded(dir / "vornmark"), file.loaded(dir / "none"));
    }
  }
}

TEST(SaveFaults, WritesThatStopShortAreCompletedAndWritesWithoutProgressFail) {
  for (const SavedFile& file : saved_files()) {
    SCOPED_TRACE(file.name);
    TempDir dir;
    write_text(dir / file.name, file.old_text);
    FaultyOps short_writes;
    short_writes.write_cap = 7;
    ASSERT_TRUE(file.save(dir.path(), short_writes));
    EXPECT_EQ(read_text(dir / file.name), file.saved_over(file.old_text));
    EXPECT_GT(std::count(short_writes.steps.begin(), short_writes.steps.end(), "write"), 20);

    // A write that returns 0 again and again would loop for ever; the save gives up instead.
    TempDir other;
    write_text(other / file.name, file.old_text);
    FaultyOps stuck;
    stuck.fail_at = 3;
    stuck.fault = FaultyOps::Fault::NoProgress;
    EXPECT_FALSE(file.save(other.path(), stuck));
    EXPECT_EQ(read_text(other / file.name), file.old_text);
    EXPECT_EQ(entries(other.path()), std::vector<std::string>{file.name});
  }
}

// Runs a save that dies at one step in a child process and returns what the parent then
// finds on disk.
std::string file_after_crash(const SavedFile& file, const TempDir& dir, int step, FaultyOps::Fault fault) {
  write_text(dir / file.name, file.old_text);
  FaultyOps ops;
  ops.fail_at = step;
  ops.fault = fault;
  EXPECT_EXIT(
      {
        file.save(dir.path(), ops);
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(kCrashCode), "");
  return read_text(dir / file.name);
}

TEST(SaveFaults, ACrashAtAnyStepLeavesTheOldOrTheNewFileNeverAMixture) {
  for (const SavedFile& file : saved_files()) {
    const std::string new_text = file.saved_over(file.old_text);
    for (std::size_t step = 1; step <= kSaveSteps.size(); ++step) {
      for (const FaultyOps::Fault fault : {FaultyOps::Fault::CrashBefore, FaultyOps::Fault::CrashAfter}) {
        const bool renamed = step > kRenameStep || (step == kRenameStep && fault == FaultyOps::Fault::CrashAfter);
        SCOPED_TRACE(file.name + ": " + kSaveSteps[step - 1] +
                     (fault == FaultyOps::Fault::CrashAfter ? " done" : " begun"));
        TempDir dir;
        const std::string found = file_after_crash(file, dir, static_cast<int>(step), fault);
        EXPECT_EQ(found, renamed ? new_text : file.old_text);
        // A temporary may be left beside it; it never stands in for the file, and the next save
        // goes through.
        for (const std::string& name : entries(dir.path()))
          EXPECT_TRUE(name == file.name || name.rfind(file.name + ".", 0) == 0) << name;
        ASSERT_TRUE(file.save(dir.path(), posix_settings_file_ops()));
        EXPECT_EQ(read_text(dir / file.name), file.saved_over(found));
      }
    }
  }
}

// In a child process: saves with files limited to `bytes`; exits with kCrashCode when the save
// reported its failure.
[[noreturn]] void save_with_file_size_limit(const SavedFile& file, const std::filesystem::path& dir, rlim_t bytes) {
  ::signal(SIGXFSZ, SIG_IGN);
  rlimit limit;
  limit.rlim_cur = limit.rlim_max = bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::_Exit(file.save(dir, posix_settings_file_ops()) ? 1 : kCrashCode);
}

TEST(SaveFaults, AFileSizeLimitReachedWhileWritingKeepsTheOldFile) {
  for (const SavedFile& file : saved_files()) {
    SCOPED_TRACE(file.name);
    TempDir dir;
    write_text(dir / file.name, file.old_text);
    // The kernel refuses to let the temporary grow past 40 bytes, as a full disk would.
    EXPECT_EXIT(save_with_file_size_limit(file, dir.path(), 40), ::testing::ExitedWithCode(kCrashCode), "");
    EXPECT_EQ(read_text(dir / file.name), file.old_text);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{file.name});
  }
}

TEST(SaveFaults, ALinkedSettingsFileIsWrittenThroughTheLinkWithItsPermissionsKept) {
  TempDir dir;
  std::filesystem::create_directories(dir / "dotfiles");
  std::filesystem::create_directories(dir / "config");
  write_text(dir / "dotfiles" / "vornmark.ini", kOldSettings);
  std::filesystem::permissions(dir / "dotfiles" / "vornmark.ini", std::filesystem::perms::owner_read |
                                                                      std::filesystem::perms::owner_write |
                                                                      std::filesystem::perms::group_read);
  std::filesystem::create_symlink("../dotfiles/vornmark.ini", dir / "config" / kSettingsFileName);

  ASSERT_TRUE(save_settings(changed_settings(), dir / "config"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "config" / kSettingsFileName));
  EXPECT_EQ(read_text(dir / "dotfiles" / "vornmark.ini"), settings_into_text(kOldSettings, changed_settings()));
  EXPECT_EQ(load_settings(dir / "config"), changed_settings());
  EXPECT_EQ(
      std::filesystem::status(dir / "dotfiles" / "vornmark.ini").permissions(),
      std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);
  EXPECT_EQ(entries(dir / "config"), std::vector<std::string>{kSettingsFileName});

  // A new file is readable as the umask allows, not only by its owner as a temporary is.
  const mode_t old_mask = ::umask(022);
  ASSERT_TRUE(save_settings(changed_settings(), dir / "fresh"));
  ::umask(old_mask);
  EXPECT_EQ(std::filesystem::status(dir / "fresh" / kSettingsFileName).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read | std::filesystem::perms::others_read);
}

}  // namespace
}  // namespace vornmark
