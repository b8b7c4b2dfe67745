// The plain POSIX file operations, and the atomic replacement of a file that the settings and
// the statistics are both saved through.

#include "setup/settings_file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace vornmark {

namespace {

// Writes all of the text, going on after short writes; false on an error or on a write that
// makes no progress.
bool write_all(SettingsFileOps& ops, int fd, const std::string& text) {
  const char* data = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ops.write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// The process's file mode mask. Read from /proc where it can be, since setting it to read it
// would change it for a moment for every thread (the game file is saved from a worker thread).
mode_t current_umask() {
  if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
    char line[256];
    unsigned mask = 0;
    bool found = false;
    while (!found && std::fgets(line, sizeof line, status) != nullptr)
      found = std::sscanf(line, "Umask: %o", &mask) == 1;
    std::fclose(status);
    if (found) return static_cast<mode_t>(mask);
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// The new file gets the permissions of the one it replaces, or those of a newly created file.
void give_mode(int fd, const std::filesystem::path& replaced, bool existed) {
  struct stat info;
  mode_t mode;
  if (existed && ::stat(replaced.c_str(), &info) == 0) {
    mode = info.st_mode & 07777;
  } else {
    mode = 0666 & ~current_umask();
  }
  ::fchmod(fd, mode);
}

}  // namespace

SettingsFileOps::ReadResult SettingsFileOps::read(const std::filesystem::path& path, std::string& text) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
  text.clear();
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return ReadResult::Failed;
    }
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return ReadResult::Read;
}

int SettingsFileOps::make_temporary(std::string& path_template) { return ::mkstemp(path_template.data()); }
ssize_t SettingsFileOps::write(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }
int SettingsFileOps::sync(int fd) { return ::fsync(fd); }
int SettingsFileOps::close(int fd) { return ::close(fd); }
int SettingsFileOps::rename(const char* from, const char* to) { return ::rename(from, to); }
int SettingsFileOps::unlink(const char* path) { return ::unlink(path); }

void SettingsFileOps::sync_directory(const std::filesystem::path& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

SettingsFileOps& posix_settings_file_ops() {
  static SettingsFileOps ops;  // stateless
  return ops;
}

std::filesystem::path file_to_replace(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved;
}

bool write_file_atomically(const std::filesystem::path& target, const std::string& text, bool replaces_existing,
                           SettingsFileOps& ops) {
  std::string temporary = target.string() + ".XXXXXX";
  const int fd = ops.make_temporary(temporary);
  if (fd < 0) return false;
  give_mode(fd, target, replaces_existing);
  bool ok = write_all(ops, fd, text) && ops.sync(fd) == 0;
  ok = (ops.close(fd) == 0) && ok;
  if (ok) ok = ops.rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ops.unlink(temporary.c_str());
    return false;
  }
  ops.sync_directory(target.parent_path());
  return true;
}

}  // namespace vornmark
