#pragma once
// The file operations that saving the settings goes through. The real ones are plain POSIX
// calls; tests put failing ones in their place to show that no failure at any step leaves a
// damaged or empty settings file behind.

#include <sys/types.h>

#include <filesystem>
#include <string>

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

// save_settings through the given operations.
bool save_settings(const GameSettings& settings, const std::filesystem::path& dir, SettingsFileOps& ops);

}  // namespace vornmark
