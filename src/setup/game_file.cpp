#include "setup/game_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "setup/settings_file_ops.h"

namespace vornmark {

std::optional<std::filesystem::path> game_state_directory() {
  // The XDG rule: a relative value is invalid and ignored.
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return std::filesystem::path(state) / "vornmark";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::filesystem::path(home) / ".local" / "state" / "vornmark";
  return std::nullopt;
}

GameFileText read_game_file(const std::filesystem::path& file) {
  GameFileText result{GameFileStatus::Unreadable, {}};
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) result.status = GameFileStatus::Missing;
    return result;
  }
  try {
    char buffer[8192];
    while (result.text.size() <= kGameFileLimit) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        ::close(fd);
        result.text.clear();
        return result;
      }
      if (n == 0) break;
      result.text.append(buffer, static_cast<std::size_t>(n));
    }
  } catch (...) {
    ::close(fd);
    result.text.clear();
    return result;
  }
  ::close(fd);
  if (result.text.size() > kGameFileLimit + 1) result.text.resize(kGameFileLimit + 1);
  result.status = GameFileStatus::Read;
  return result;
}

bool write_game_file(const std::filesystem::path& file, std::string_view text) {
  try {
    std::error_code error;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
    const std::filesystem::path target = file_to_replace(file);
    const bool exists = std::filesystem::exists(target, error);
    return write_file_atomically(target, std::string(text), exists, posix_settings_file_ops());
  } catch (...) {
    return false;
  }
}

std::optional<std::filesystem::path> set_aside_game_file(const std::filesystem::path& file) {
  try {
    for (int n = 0; n < 1000; ++n) {
      std::filesystem::path aside = file;
      aside += n == 0 ? std::string(".bad") : ".bad." + std::to_string(n);
      // A hard link fails where a name is taken, so no earlier bad file is ever replaced.
      if (::link(file.c_str(), aside.c_str()) == 0) {
        ::unlink(file.c_str());
        return aside;
      }
      if (errno == EEXIST) continue;
      // A file system without hard links: a rename to a name that is free now.
      std::error_code error;
      if (std::filesystem::exists(aside, error) || error) continue;
      if (::rename(file.c_str(), aside.c_str()) == 0) return aside;
      return std::nullopt;
    }
  } catch (...) {
  }
  return std::nullopt;
}

}  // namespace vornmark
