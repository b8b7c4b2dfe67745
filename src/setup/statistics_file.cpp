#include "setup/statistics_file.h"

#include <array>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "setup/settings_file_ops.h"

namespace vornmark {

namespace {

constexpr std::array<const char*, 4> kLevelNames = {"novice", "intermediate", "advanced", "expert"};
// Counts above this are not believed: they would take centuries of play and could overflow.
constexpr long long kMaxCount = 999999999;

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t end = text.find(separator);
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

// A count written by statistics_to_text: decimal digits only, no sign, no blanks.
std::optional<long long> count_from(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// "name=value" with a value that `read` accepts.
template <typename Read>
bool field(std::string_view word, std::string_view name, Read read) {
  if (word.size() <= name.size() || word.substr(0, name.size()) != name || word[name.size()] != '=') return false;
  return read(word.substr(name.size() + 1));
}

std::optional<RecordKey> key_from_header(std::string_view line) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  const std::vector<std::string_view> words = split(line.substr(1, line.size() - 2), ' ');
  if (words.size() != 5) return std::nullopt;
  RecordKey key;
  const auto number_in = [](int* into, SettingId id) {
    return [into, id](std::string_view value) {
      const std::optional<long long> n = count_from(value);
      if (!n || !in_range(id, *n)) return false;
      *into = static_cast<int>(*n);
      return true;
    };
  };
  const auto one_of = [](std::string_view value, std::string_view no, std::string_view yes, bool& into) {
    if (value != no && value != yes) return false;
    into = value == yes;
    return true;
  };
  const bool ok =
      field(words[0], "level",
            [&](std::string_view value) {
              for (std::size_t i = 0; i < kLevelNames.size(); ++i)
                if (value == kLevelNames[i]) key.level = static_cast<int>(i);
              return value == kLevelNames[static_cast<std::size_t>(key.level)];
            }) &&
      field(words[1], "grid", number_in(&key.grid, SettingId::MaxCells)) &&
      field(words[2], "shots", number_in(&key.shots, SettingId::NumberOfShots)) &&
      field(words[3], "mode", [&](std::string_view v) { return one_of(v, "automatic", "manual", key.manual); }) &&
      field(words[4], "hint", [&](std::string_view v) { return one_of(v, "off", "on", key.hint); });
  if (!ok) return std::nullopt;
  return key;
}

// "volleys:games ..." in increasing volleys, each volley possible on the grid.
bool distribution_from(std::string_view text, int lowest, int grid, std::map<int, int>& into) {
  if (text.empty()) return true;
  int previous = lowest - 1;
  for (std::string_view pair : split(text, ' ')) {
    const std::size_t colon = pair.find(':');
    if (colon == std::string_view::npos) return false;
    const std::optional<long long> volleys = count_from(pair.substr(0, colon));
    const std::optional<long long> games = count_from(pair.substr(colon + 1));
    // The player fires at one new cell at least in every volley.
    if (!volleys || !games || *volleys <= previous || *volleys > grid * grid || *games == 0) return false;
    previous = static_cast<int>(*volleys);
    into[previous] = static_cast<int>(*games);
  }
  return true;
}

std::string distribution_text(const std::map<int, int>& distribution) {
  std::string text;
  for (const auto& [volleys, games] : distribution) {
    if (!text.empty()) text += ' ';
    text += std::to_string(volleys) + ":" + std::to_string(games);
  }
  return text;
}

long long games_in(const std::map<int, int>& distribution) {
  long long games = 0;
  for (const auto& entry : distribution) games += entry.second;
  return games;
}

bool consistent(const GameRecord& r) {
  return static_cast<long long>(r.won) + r.lost + r.abandoned == r.played && games_in(r.won_volleys) == r.won &&
         games_in(r.lost_volleys) == r.lost && r.current_streak <= r.longest_streak && r.longest_streak <= r.won;
}

// Reads one key line of a section into the record; false when it is not one.
bool record_line(std::string_view line, int grid, GameRecord& record, std::vector<std::string_view>& seen) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view name = line.substr(0, equals);
  const std::string_view value = line.substr(equals + 1);
  for (const std::string_view earlier : seen)
    if (earlier == name) return false;
  seen.push_back(name);
  if (name == "won_volleys") return distribution_from(value, 1, grid, record.won_volleys);
  if (name == "lost_volleys") return distribution_from(value, 0, grid, record.lost_volleys);
  const std::array<std::pair<const char*, int*>, 6> counts = {{{"played", &record.played},
                                                               {"won", &record.won},
                                                               {"lost", &record.lost},
                                                               {"abandoned", &record.abandoned},
                                                               {"current_streak", &record.current_streak},
                                                               {"longest_streak", &record.longest_streak}}};
  for (const auto& [count_name, into] : counts) {
    if (name != count_name) continue;
    const std::optional<long long> n = count_from(value);
    if (!n || *n > kMaxCount) return false;
    *into = static_cast<int>(*n);
    return true;
  }
  return false;
}

// The first name of statistics.bad, statistics.bad.2, ... that nothing in dir has.
std::filesystem::path free_name_for_damaged(const std::filesystem::path& target) {
  std::filesystem::path name = target.string() + ".bad";
  for (int n = 2; n < 1000; ++n) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(name, error))) return name;
    name = target.string() + ".bad." + std::to_string(n);
  }
  return {};
}

}  // namespace

RecordKey record_key(const GameSettings& settings, bool hint_on) {
  RecordKey key;
  key.level = settings.PlayLevel;
  key.grid = settings.MaxCells;
  key.shots = settings.NumberOfShots;
  key.manual = settings.AutomaticMode == 0;
  key.hint = hint_on;
  return key;
}

std::string record_key_text(const RecordKey& key) {
  const bool known_level = key.level >= 0 && key.level < static_cast<int>(kLevelNames.size());
  return std::string("level=") + (known_level ? kLevelNames[static_cast<std::size_t>(key.level)] : "?") +
         " grid=" + std::to_string(key.grid) + " shots=" + std::to_string(key.shots) +
         " mode=" + (key.manual ? "manual" : "automatic") + " hint=" + (key.hint ? "on" : "off");
}

std::optional<int> GameRecord::best_win() const {
  if (won_volleys.empty()) return std::nullopt;
  return won_volleys.begin()->first;
}

std::optional<double> GameRecord::mean_win() const {
  if (won == 0) return std::nullopt;
  long long volleys = 0;
  for (const auto& [v, games] : won_volleys) volleys += static_cast<long long>(v) * games;
  return static_cast<double>(volleys) / won;
}

std::optional<double> GameRecord::win_rate() const {
  if (played == 0) return std::nullopt;
  return static_cast<double>(won) / played;
}

void add_game(GameRecord& record, GameEnd end, int volleys) {
  record.played += 1;
  switch (end) {
    case GameEnd::Won:
      record.won += 1;
      record.won_volleys[volleys] += 1;
      record.current_streak += 1;
      record.longest_streak = std::max(record.longest_streak, record.current_streak);
      return;
    case GameEnd::Lost:
      record.lost += 1;
      record.lost_volleys[volleys] += 1;
      break;
    case GameEnd::Abandoned:
      record.abandoned += 1;
      break;
  }
  record.current_streak = 0;
}

std::string statistics_to_text(const Statistics& statistics) {
  std::string text =
      "# Vornmark's record of your games, one section per level, grid, shots per volley, mode and hint.\n"
      "# Volleys are those you fired; won_volleys and lost_volleys list volleys:games.\n";
  for (const auto& [key, r] : statistics) {
    if (r.played == 0) continue;
    text += "\n[" + record_key_text(key) + "]\n";
    text += "played=" + std::to_string(r.played) + "\n";
    text += "won=" + std::to_string(r.won) + "\n";
    text += "lost=" + std::to_string(r.lost) + "\n";
    text += "abandoned=" + std::to_string(r.abandoned) + "\n";
    text += "current_streak=" + std::to_string(r.current_streak) + "\n";
    text += "longest_streak=" + std::to_string(r.longest_streak) + "\n";
    text += "won_volleys=" + distribution_text(r.won_volleys) + "\n";
    text += "lost_volleys=" + distribution_text(r.lost_volleys) + "\n";
  }
  return text;
}

std::optional<Statistics> statistics_from_text(std::string_view text) {
  Statistics statistics;
  GameRecord* record = nullptr;
  int grid = 0;
  std::vector<std::string_view> seen;
  for (std::string_view line : split(text, '\n')) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      const std::optional<RecordKey> key = key_from_header(line);
      if (!key || statistics.count(*key) != 0) return std::nullopt;
      if (record != nullptr && !consistent(*record)) return std::nullopt;
      record = &statistics[*key];
      grid = key->grid;
      seen.clear();
      continue;
    }
    if (record == nullptr || !record_line(line, grid, *record, seen)) return std::nullopt;
  }
  if (record != nullptr && !consistent(*record)) return std::nullopt;
  return statistics;
}

std::filesystem::path default_statistics_dir() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && data[0] == '/') return std::filesystem::path(data) / "vornmark";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::filesystem::path(home) / ".local" / "share" / "vornmark";
  return {};
}

StatisticsFile read_statistics(const std::filesystem::path& dir, SettingsFileOps& ops) {
  StatisticsFile file;
  if (dir.empty()) return file;
  std::string text;
  switch (ops.read(dir / kStatisticsFileName, text)) {
    case SettingsFileOps::ReadResult::Missing:
      return file;
    case SettingsFileOps::ReadResult::Failed:
      file.state = StatisticsFile::State::Unreadable;
      return file;
    case SettingsFileOps::ReadResult::Read:
      break;
  }
  std::optional<Statistics> statistics = statistics_from_text(text);
  file.state = statistics ? StatisticsFile::State::Read : StatisticsFile::State::Damaged;
  if (statistics) file.statistics = std::move(*statistics);
  return file;
}

StatisticsSave save_statistics(const std::filesystem::path& dir, const std::function<void(Statistics&)>& change,
                               SettingsFileOps& ops) {
  StatisticsSave result;
  if (dir.empty()) return result;
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  const std::filesystem::path target = file_to_replace(dir / kStatisticsFileName);
  std::string existing;
  const SettingsFileOps::ReadResult read = ops.read(target, existing);
  if (read == SettingsFileOps::ReadResult::Failed) return result;
  std::optional<Statistics> statistics = read == SettingsFileOps::ReadResult::Read
                                             ? statistics_from_text(existing)
                                             : std::optional<Statistics>(Statistics{});
  if (!statistics) {
    // Kept whole under another name: it may be a newer version's file, or the player's own.
    const std::filesystem::path aside = free_name_for_damaged(target);
    if (aside.empty() || ops.rename(target.c_str(), aside.c_str()) != 0) return result;
    result.moved_aside = aside.filename().string();
    statistics.emplace();
  }
  change(*statistics);
  result.saved = write_file_atomically(target, statistics_to_text(*statistics),
                                       read == SettingsFileOps::ReadResult::Read && result.moved_aside.empty(), ops);
  return result;
}

}  // namespace vornmark
