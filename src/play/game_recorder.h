#pragma once
// Keeps the statistics of the player's games. The play flow tells it when a game begins, when
// a volley is fired (the first one, either side's, makes the game count), and when the game is
// won or lost; a game that counted and is replaced before its end (New Game, Place, a change
// of mode, the Simulation command) or still runs at the end of the program is abandoned. Games
// in Offense mode and those the computer plays against itself after the Simulation command are
// not the player's and are not recorded. The file is written when a game ends and at the end
// of the program, and only then.

#include <filesystem>
#include <string>
#include <vector>

#include "setup/settings_file_ops.h"
#include "setup/statistics_file.h"

namespace vornmark {

class GameTextReader;
class GameTextWriter;
class Match;
class Platform;

class GameRecorder {
 public:
  // Records into dir/statistics; an empty dir records nothing on disk.
  GameRecorder(Platform& platform, std::filesystem::path dir, SettingsFileOps& ops = posix_settings_file_ops());
  GameRecorder(const GameRecorder&) = delete;
  GameRecorder& operator=(const GameRecorder&) = delete;

  // What the play flow tells.
  void game_begun();
  void volley_fired(const Match& match, bool by_player, bool hint_on);
  void game_won();
  void game_lost();
  // The program ends: the game in play is abandoned and the file written, without a message.
  // A game kept in the game file to be resumed is not abandoned: it goes on in the next run.
  enum class GameInPlay { Abandoned, Kept };
  void program_ends(GameInPlay game = GameInPlay::Abandoned);

  // The current game's part of the game file: whether it counts, what it is recorded under and
  // the player's volleys so far. read_snapshot checks it, restore puts it back.
  struct Snapshot {
    int course = 0;
    RecordKey key;
    int player_volleys = 0;
  };
  void save(GameTextWriter& out) const;
  static void save_none(GameTextWriter& out);  // for a flow that records nothing
  static bool read_snapshot(GameTextReader& in, Snapshot& snapshot);
  void restore(const Snapshot& snapshot);

  // Writes the games that ended since the last save; true when none is left unwritten.
  bool save();
  // Clears every record, in the file too; false when the file could not be written.
  bool reset();
  // The figures in the file now, with the games not yet written.
  Statistics statistics();

  const std::filesystem::path& dir() const { return dir_; }
  // Whether a game that counts is being played.
  bool recording() const { return course_ == Course::Recording; }

 private:
  enum class Course { NotStarted, Recording, NotRecorded, Ended };
  struct EndedGame {
    RecordKey key;
    GameEnd end;
    int volleys;
  };

  void end_game(GameEnd end);
  bool write(const std::function<void(Statistics&)>& change, bool tell_failure);
  void tell(const std::string& text);

  Platform& platform_;
  std::filesystem::path dir_;
  SettingsFileOps& ops_;
  Course course_ = Course::NotStarted;
  RecordKey key_;
  int player_volleys_ = 0;
  std::vector<EndedGame> unwritten_;
  bool quiet_ = false;
  bool failure_told_ = false;
};

}  // namespace vornmark
