#include "cli_statistics.h"

#include "report/reporter.h"

namespace vornmark::cli {

namespace {

std::string distribution(const std::map<int, int>& games) {
  if (games.empty()) return "-";
  std::string text;
  for (const auto& [volleys, count] : games) {
    if (!text.empty()) text += ',';
    text += std::to_string(volleys) + ":" + std::to_string(count);
  }
  return text;
}

}  // namespace

std::string statistics_line(const Statistics& statistics, const GameSettings& settings, bool hint_on) {
  if (settings.DefenseMode != 0) return "mode=offense not recorded";
  const RecordKey key = record_key(settings, hint_on);
  const auto found = statistics.find(key);
  const GameRecord record = found == statistics.end() ? GameRecord{} : found->second;
  const std::optional<double> rate = record.win_rate();
  const std::optional<int> best = record.best_win();
  const std::optional<double> mean = record.mean_win();
  return record_key_text(key) +
         format_text(" played %d won %d lost %d abandoned %d", record.played, record.won, record.lost,
                     record.abandoned) +
         " win_rate " + (rate ? format_text("%.1f%%", *rate * 100) : "-") + " best " +
         (best ? std::to_string(*best) : "-") + " mean " + (mean ? format_text("%.2f", *mean) : "-") +
         format_text(" streak %d longest %d", record.current_streak, record.longest_streak) + " won_volleys " +
         distribution(record.won_volleys) + " lost_volleys " + distribution(record.lost_volleys);
}

}  // namespace vornmark::cli
