#pragma once
// The record of the player's games, kept per level, grid size, shots per volley, mode and hint,
// and its file "statistics": a text of sections and key=value lines that a person can read.
// Saving reads the file afresh, moves a damaged or foreign one aside instead of replacing it,
// and writes through the same atomic replacement as the settings file.

#include <compare>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "setup/settings.h"

namespace vornmark {

class SettingsFileOps;

inline constexpr const char* kStatisticsFileName = "statistics";

// What a record is kept for: the games played with the same settings.
struct RecordKey {
  int level = kIntermediate;  // PlayLevel
  int grid = 15;              // MaxCells
  int shots = 10;             // NumberOfShots
  bool manual = false;        // the player reported the hits (recorded apart: the reports may be wrong)
  bool hint = false;          // the hint was on

  auto operator<=>(const RecordKey&) const = default;
};

RecordKey record_key(const GameSettings& settings, bool hint_on);
// "level=intermediate grid=15 shots=10 mode=automatic hint=off", as the section header has it.
std::string record_key_text(const RecordKey& key);

enum class GameEnd { Won, Lost, Abandoned };

// Volleys are those the player fired in the game. The distributions keep a count of games per
// number of volleys, so that they stay bounded however many games are played.
struct GameRecord {
  int played = 0;  // games started (a volley fired) and ended: won, lost or abandoned
  int won = 0;
  int lost = 0;
  int abandoned = 0;
  int current_streak = 0;  // wins since the last game not won
  int longest_streak = 0;
  std::map<int, int> won_volleys;   // volleys -> games won in that many
  std::map<int, int> lost_volleys;  // volleys -> games lost after that many

  std::optional<int> best_win() const;     // the fewest volleys of a win
  std::optional<double> mean_win() const;  // the mean volleys of the wins
  std::optional<double> win_rate() const;  // won / played

  friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// Counts one game that ended; a game not won ends the winning streak.
void add_game(GameRecord& record, GameEnd end, int volleys);

using Statistics = std::map<RecordKey, GameRecord>;

// The file text; records without games are left out.
std::string statistics_to_text(const Statistics& statistics);
// The figures of a file text, or nothing when any line is not one that statistics_to_text
// writes (blank lines and '#' comments aside), a section comes twice or the figures disagree.
std::optional<Statistics> statistics_from_text(std::string_view text);

// $XDG_DATA_HOME/vornmark, or ~/.local/share/vornmark; empty when neither can be found.
std::filesystem::path default_statistics_dir();

struct StatisticsFile {
  enum class State { Read, Missing, Unreadable, Damaged } state = State::Missing;
  Statistics statistics;  // empty unless Read
};
StatisticsFile read_statistics(const std::filesystem::path& dir, SettingsFileOps& ops);

struct StatisticsSave {
  bool saved = false;
  std::string moved_aside;  // the name a damaged file was given beside the new one, if any
};
// Applies `change` to the figures the file holds now (read afresh, so that what another running
// game saved meanwhile is kept) and writes the result atomically, creating dir when needed. A
// damaged or foreign file is first renamed to statistics.bad (or statistics.bad.2, ... when that
// exists) and the change applied to an empty record. A file that cannot be read is left alone
// and nothing is saved.
StatisticsSave save_statistics(const std::filesystem::path& dir, const std::function<void(Statistics&)>& change,
                               SettingsFileOps& ops);

}  // namespace vornmark
