#include "setup/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "setup/settings_file_ops.h"

namespace vornmark {

namespace {

constexpr const char* kSection = "Options";

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      lines.push_back(text);
      break;
    }
    lines.push_back(text.substr(0, end + 1));
    text.remove_prefix(end + 1);
  }
  return lines;
}

// The line without its line end.
std::string_view content(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The section named by a header line, or nothing when the line is not a header.
bool section_header(std::string_view line, std::string_view& name) {
  line = trim(content(line));
  if (line.empty() || line.front() != '[') return false;
  const std::size_t close = line.find(']');
  name = trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  return true;
}

// The key and value of a "key=value" line.
bool key_value(std::string_view line, std::string_view& key, std::string_view& value) {
  line = content(line);
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  key = trim(line.substr(0, equals));
  value = trim(line.substr(equals + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return !key.empty();
}

// A profile integer: leading blanks, an optional sign, decimal digits up to the first other
// character; no digits read as 0. Saturates instead of overflowing.
long long leading_integer(std::string_view value) {
  std::size_t i = 0;
  while (i < value.size() && std::isspace(static_cast<unsigned char>(value[i]))) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  long long number = 0;
  for (; i < value.size() && std::isdigit(static_cast<unsigned char>(value[i])); ++i) {
    if (number < 100000000000LL) number = number * 10 + (value[i] - '0');
  }
  return negative ? -number : number;
}

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

// The file to replace: a settings file that is a symbolic link (kept among a player's
// dotfiles, say) is written where the link points, and the link stays.
std::filesystem::path file_to_replace(const std::filesystem::path& target) {
  std::error_code error;
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, error))) return target;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(target, error);
  return error ? target : resolved;
}

// The new file gets the permissions of the one it replaces, or those of a newly created file.
void give_mode(int fd, const std::filesystem::path& replaced, bool existed) {
  struct stat info;
  mode_t mode;
  if (existed && ::stat(replaced.c_str(), &info) == 0) {
    mode = info.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);
}

}  // namespace

std::filesystem::path default_settings_dir() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return std::filesystem::path(config) / "vornmark";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::filesystem::path(home) / ".config" / "vornmark";
  return {};
}

GameSettings settings_from_text(std::string_view text) {
  std::array<long long, kSettings.size()> read{};
  std::array<bool, kSettings.size()> found{};
  bool in_section = false;
  bool section_seen = false;
  for (std::string_view line : split_lines(text)) {
    std::string_view name;
    if (section_header(line, name)) {
      // Only the first section of that name counts.
      in_section = !section_seen && same_name(name, kSection);
      section_seen = section_seen || in_section;
      continue;
    }
    std::string_view key, value;
    if (!in_section || !key_value(line, key, value)) continue;
    for (std::size_t k = 0; k < kSettings.size(); ++k) {
      if (found[k] || !same_name(key, kSettings[k].key)) continue;
      found[k] = true;
      read[k] = value.empty() ? kSettings[k].default_value : leading_integer(value);
    }
  }

  GameSettings s;
  for (std::size_t k = 0; k < kSettings.size(); ++k) {
    const SettingId id = kSettings[k].id;
    set_setting_value(s, id, stored_setting_value(id, found[k] ? read[k] : kSettings[k].default_value));
  }
  return s;
}

std::string settings_into_text(std::string_view existing, const GameSettings& settings) {
  std::vector<std::string> lines;
  for (std::string_view line : split_lines(existing)) lines.emplace_back(line);
  if (!lines.empty() && lines.back().back() != '\n') lines.back() += '\n';

  // Find the first [Options] section: its header and the line after its last key line.
  std::size_t header = lines.size();
  std::size_t insert_at = lines.size();
  std::array<std::size_t, kSettings.size()> key_line;
  key_line.fill(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    if (section_header(lines[i], name)) {
      if (header != lines.size()) break;
      if (same_name(name, kSection)) {
        header = i;
        insert_at = i + 1;
      }
      continue;
    }
    if (header == lines.size()) continue;
    std::string_view key, value;
    if (!key_value(lines[i], key, value)) continue;
    insert_at = i + 1;
    for (std::size_t k = 0; k < kSettings.size(); ++k)
      if (key_line[k] == lines.size() && same_name(key, kSettings[k].key)) key_line[k] = i;
  }

  const std::string line_end =
      (!lines.empty() && lines.front().size() >= 2 && lines.front()[lines.front().size() - 2] == '\r') ? "\r\n" : "\n";
  std::vector<std::string> added;
  for (std::size_t k = 0; k < kSettings.size(); ++k) {
    const int value = setting_value(settings, kSettings[k].id);
    std::string line = std::string(kSettings[k].key) + "=" + std::to_string(value) + line_end;
    if (key_line[k] != lines.size())
      lines[key_line[k]] = line;
    else if (kSettings[k].written == Written::Always || value != kSettings[k].default_value)
      added.push_back(line);
  }
  if (header == lines.size()) {
    if (!lines.empty() && trim(lines.back()).size() > 0) lines.push_back(line_end);
    lines.push_back(std::string("[") + kSection + "]" + line_end);
    insert_at = lines.size();
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at), added.begin(), added.end());

  std::string text;
  for (const std::string& line : lines) text += line;
  return text;
}

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

GameSettings load_settings(const std::filesystem::path& dir) {
  std::string text;
  if (dir.empty()) return GameSettings{};
  if (posix_settings_file_ops().read(dir / kSettingsFileName, text) != SettingsFileOps::ReadResult::Read)
    return GameSettings{};
  return settings_from_text(text);
}

bool save_settings(const GameSettings& settings, const std::filesystem::path& dir) {
  return save_settings(settings, dir, posix_settings_file_ops());
}

bool save_settings(const GameSettings& settings, const std::filesystem::path& dir, SettingsFileOps& ops) {
  if (dir.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  const std::filesystem::path target = file_to_replace(dir / kSettingsFileName);
  std::string existing;
  const SettingsFileOps::ReadResult read = ops.read(target, existing);
  // A file that is there but cannot be read is left alone: replacing it would lose whatever
  // else it holds.
  if (read == SettingsFileOps::ReadResult::Failed) return false;
  const std::string text = settings_into_text(existing, settings);

  // Write a temporary file beside the target, flush it and rename it over the target, so the
  // file on disk is always either the old one or the new one.
  std::string temporary = target.string() + ".XXXXXX";
  const int fd = ops.make_temporary(temporary);
  if (fd < 0) return false;
  give_mode(fd, target, read == SettingsFileOps::ReadResult::Read);
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
