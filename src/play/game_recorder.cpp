#include "play/game_recorder.h"

#include "report/platform.h"
#include "setup/match.h"

namespace vornmark {

GameRecorder::GameRecorder(Platform& platform, std::filesystem::path dir, SettingsFileOps& ops)
    : platform_(platform), dir_(std::move(dir)), ops_(ops) {}

void GameRecorder::game_begun() {
  if (course_ == Course::Recording) end_game(GameEnd::Abandoned);
  course_ = Course::NotStarted;
  player_volleys_ = 0;
}

void GameRecorder::volley_fired(const Match& match, bool by_player, bool hint_on) {
  if (course_ == Course::NotStarted) {
    const bool players_game = match.settings().DefenseMode == 0 && match.simulation_mode() == 0;
    course_ = players_game ? Course::Recording : Course::NotRecorded;
    key_ = record_key(match.settings(), hint_on);
  }
  if (by_player) player_volleys_ += 1;
}

void GameRecorder::game_won() {
  if (course_ == Course::Recording) end_game(GameEnd::Won);
  course_ = Course::Ended;
}

void GameRecorder::game_lost() {
  if (course_ == Course::Recording) end_game(GameEnd::Lost);
  course_ = Course::Ended;
}

void GameRecorder::program_ends() {
  quiet_ = true;  // a box would hold up the end of a session
  if (course_ == Course::Recording)
    end_game(GameEnd::Abandoned);
  else
    save();
}

void GameRecorder::end_game(GameEnd end) {
  course_ = Course::Ended;
  unwritten_.push_back({key_, end, player_volleys_});
  save();
}

bool GameRecorder::save() {
  if (unwritten_.empty()) return true;
  const bool saved = write(
      [this](Statistics& statistics) {
        for (const EndedGame& game : unwritten_) add_game(statistics[game.key], game.end, game.volleys);
      },
      true);
  if (saved) unwritten_.clear();
  return saved;
}

bool GameRecorder::reset() {
  unwritten_.clear();
  return write([](Statistics& statistics) { statistics.clear(); }, false);
}

Statistics GameRecorder::statistics() {
  Statistics statistics = read_statistics(dir_, ops_).statistics;
  for (const EndedGame& game : unwritten_) add_game(statistics[game.key], game.end, game.volleys);
  return statistics;
}

bool GameRecorder::write(const std::function<void(Statistics&)>& change, bool tell_failure) {
  if (dir_.empty()) return false;
  const StatisticsSave result = save_statistics(dir_, change, ops_);
  if (!result.moved_aside.empty())
    tell("The statistics file could not be read and was kept as \"" + result.moved_aside +
         "\".\nYour record starts afresh.");
  if (!result.saved && tell_failure && !failure_told_) {
    // Once a run: the games stay in memory and the next save tries again.
    failure_told_ = true;
    tell("Vornmark could not save its statistics file.\nIt will try again when the next game ends.");
  }
  return result.saved;
}

void GameRecorder::tell(const std::string& text) {
  if (!quiet_) information_box(platform_, text);
}

}  // namespace vornmark
