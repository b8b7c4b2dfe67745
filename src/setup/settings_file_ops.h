#pragma once
// The file operations that saving the game's own files (the settings, the statistics) goes
// through, and the atomic replacement built on them. The real ones are plain POSIX calls; tests
// put failing ones in their place to show that no failure at any step leaves a damaged or empty
// file behind.

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "setup/settings.h"

namespace vornmark {

class SettingsFileOps {
 public:
  virtual ~SettingsFileOps() = default;

  enum class ReadResult { Read, Missing, Failed };
  // The whole file; Missing when there is no file, Failed when it exists but cannot be read.
  virtual ReadResult read(const std::filesystem::path& path, std::string& text);
  // mkstemp on a template ending in XXXXXX: the open descriptor, or -1 with errno set.
  virtual int make_temporary(std::string& path_template);
  virtual ssize_t write(int fd, const char* data, std::size_t size);
  virtual int sync(int fd);
  virtual int close(int fd);
  virtual int rename(const char* from, const char* to);
  virtual int unlink(const char* path);
  // Makes a rename in the directory durable; its failure does not undo the save.
  virtual void sync_directory(const std::filesystem::path& dir);
};

// The real operations.
SettingsFileOps& posix_settings_file_ops();

// The file that saving dir/name replaces: the path itself, or where it points when it is a
// symbolic link (kept among a player's dotfiles, say), so that the link stays.
std::filesystem::path file_to_replace(const std::filesystem::path& path);

// Writes the text into a temporary file beside the target, flushes and closes it, renames it
// over the target and flushes the directory, so that the file on disk is always the old one or
// the new one, whole. The new file takes the permissions of the one it replaces (when
// `replaces_existing`) or those of a newly created file. False when any step before the rename
// failed; the temporary is then removed.
bool write_file_atomically(const std::filesystem::path& target, const std::string& text, bool replaces_existing,
                           SettingsFileOps& ops);

// save_settings through the given operations.
bool save_settings(const GameSettings& settings, const std::filesystem::path& dir, SettingsFileOps& ops);
// Replaces dir/VORNMARK.INI by what text_from makes of the text there (empty when there is none).
bool save_settings_text(const std::filesystem::path& dir, SettingsFileOps& ops,
                        const std::function<std::string(std::string_view)>& text_from);

}  // namespace vornmark
