#include "play/game_recorder.h"

#include "report/platform.h"
#include "setup/game_text.h"
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

void GameRecorder::program_ends(GameInPlay game) {
  quiet_ = true;  // a box would hold up the end of a session
  if (course_ == Course::Recording && game == GameInPlay::Abandoned)
    end_game(GameEnd::Abandoned);
  else
    save();
}

namespace {
constexpr const char* kCourseWords[] = {"not-started", "recording", "not-recorded", "ended"};
constexpr long long kMaxVolleys = 1000000;

void save_course(GameTextWriter& out, const GameRecorder::Snapshot& s) {
  out.put("record ");
  out.put(kCourseWords[s.course]);
  for (long long value : {s.key.level, s.key.grid, s.key.shots, s.key.manual ? 1 : 0, s.key.hint ? 1 : 0})
    out.put(" "), out.put(value);
  out.put(" ");
  out.put(s.player_volleys);
  out.end_line();
}
}  // namespace

void GameRecorder::save(GameTextWriter& out) const {
  save_course(out, {static_cast<int>(course_), key_, player_volleys_});
}

void GameRecorder::save_none(GameTextWriter& out) { save_course(out, {}); }

// "record <course> <level> <grid> <shots> <manual> <hint> <player volleys>"
bool GameRecorder::read_snapshot(GameTextReader& in, Snapshot& s) {
  if (!in.next_line()) return false;
  if (!in.is("record", 7)) return in.fail("expected \"record\" and seven words");
  const auto& w = in.words();
  s.course = -1;
  for (int i = 0; i < 4; ++i)
    if (w[1] == kCourseWords[i]) s.course = i;
  long long level = 0, grid = 0, shots = 0, manual = 0, hint = 0, volleys = 0;
  if (s.course < 0 || !parse_number(w[2], 0, 2, level) || !parse_number(w[3], kMinGrid, kMaxGrid, grid) ||
      !parse_number(w[4], 1, setting(SettingId::NumberOfShots).high, shots) || !parse_number(w[5], 0, 1, manual) ||
      !parse_number(w[6], 0, 1, hint) || !parse_number(w[7], 0, kMaxVolleys, volleys))
    return in.fail("the record of the game is not one the statistics keep");
  s.key = {static_cast<int>(level), static_cast<int>(grid), static_cast<int>(shots), manual != 0, hint != 0};
  s.player_volleys = static_cast<int>(volleys);
  return true;
}

void GameRecorder::restore(const Snapshot& s) {
  course_ = static_cast<Course>(s.course);
  key_ = s.key;
  player_volleys_ = s.player_volleys;
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
