#include "setup/settings_file.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <optional>
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

namespace {

// A settings text split into lines, with where its first [Options] section stands.
struct OptionsLines {
  std::vector<std::string> lines;
  std::size_t header;     // the section's header line, or lines.size() when there is none
  std::size_t insert_at;  // the line after the section's last key line
  std::string line_end;   // the file's own line end

  explicit OptionsLines(std::string_view existing) {
    for (std::string_view line : split_lines(existing)) lines.emplace_back(line);
    if (!lines.empty() && lines.back().back() != '\n') lines.back() += '\n';
    header = insert_at = lines.size();
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
      std::string_view key, value;
      if (header != lines.size() && key_value(lines[i], key, value)) insert_at = i + 1;
    }
    line_end = (!lines.empty() && lines.front().size() >= 2 && lines.front()[lines.front().size() - 2] == '\r') ? "\r\n"
                                                                                                                : "\n";
  }

  // The first line of the section that sets the key, or lines.size().
  std::size_t key_line(std::string_view wanted) const {
    for (std::size_t i = header == lines.size() ? lines.size() : header + 1; i < insert_at; ++i) {
      std::string_view key, value;
      if (key_value(lines[i], key, value) && same_name(key, wanted)) return i;
    }
    return lines.size();
  }

  // The text with the new key lines added at the end of the section (which is made if missing).
  std::string text_with(const std::vector<std::string>& added) {
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
};

}  // namespace

std::string settings_into_text(std::string_view existing, const GameSettings& settings) {
  OptionsLines file(existing);
  std::vector<std::string> added;
  for (const SettingDeclaration& setting : kSettings) {
    const int value = setting_value(settings, setting.id);
    std::string line = std::string(setting.key) + "=" + std::to_string(value) + file.line_end;
    const std::size_t at = file.key_line(setting.key);
    if (at != file.lines.size())
      file.lines[at] = line;
    else if (setting.written == Written::Always || value != setting.default_value)
      added.push_back(line);
  }
  return file.text_with(added);
}

std::string text_setting_from_text(std::string_view text, std::string_view key) {
  const OptionsLines file(text);
  const std::size_t at = file.key_line(key);
  std::string_view found_key, value;
  if (at == file.lines.size() || !key_value(file.lines[at], found_key, value)) return {};
  return std::string(value);
}

std::string text_setting_into_text(std::string_view existing, std::string_view key, std::string_view value) {
  OptionsLines file(existing);
  const std::string line = std::string(key) + "=" + std::string(value) + file.line_end;
  const std::size_t at = file.key_line(key);
  if (at != file.lines.size()) {
    file.lines[at] = line;
    return file.text_with({});
  }
  return file.text_with({line});
}

namespace {

// The text of dir/VORNMARK.INI; none when there is no folder or the file cannot be read.
std::optional<std::string> settings_text(const std::filesystem::path& dir) {
  std::string text;
  if (dir.empty()) return std::nullopt;
  if (posix_settings_file_ops().read(dir / kSettingsFileName, text) != SettingsFileOps::ReadResult::Read)
    return std::nullopt;
  return text;
}

}  // namespace

GameSettings load_settings(const std::filesystem::path& dir) {
  const std::optional<std::string> text = settings_text(dir);
  return text ? settings_from_text(*text) : GameSettings{};
}

bool save_settings(const GameSettings& settings, const std::filesystem::path& dir) {
  return save_settings(settings, dir, posix_settings_file_ops());
}

std::string load_text_setting(const std::filesystem::path& dir, std::string_view key) {
  const std::optional<std::string> text = settings_text(dir);
  return text ? text_setting_from_text(*text, key) : std::string();
}

bool save_text_setting(const std::filesystem::path& dir, std::string_view key, std::string_view value) {
  return save_settings_text(dir, posix_settings_file_ops(),
                            [&](std::string_view existing) { return text_setting_into_text(existing, key, value); });
}

bool save_settings(const GameSettings& settings, const std::filesystem::path& dir, SettingsFileOps& ops) {
  return save_settings_text(dir, ops,
                            [&](std::string_view existing) { return settings_into_text(existing, settings); });
}

bool save_settings_text(const std::filesystem::path& dir, SettingsFileOps& ops,
                        const std::function<std::string(std::string_view)>& text_from) {
  if (dir.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  const std::filesystem::path target = file_to_replace(dir / kSettingsFileName);
  std::string existing;
  const SettingsFileOps::ReadResult read = ops.read(target, existing);
  // A file that is there but cannot be read is left alone: replacing it would lose whatever
  // else it holds.
  if (read == SettingsFileOps::ReadResult::Failed) return false;
  const std::string text = text_from(existing);
  return write_file_atomically(target, text, read == SettingsFileOps::ReadResult::Read, ops);
}

}  // namespace vornmark
