#pragma once
// Keeps the game in progress in the state folder, so that quitting, the end of a session or a
// crash never loses it: at the start it takes the game up again (or puts a file that holds no
// possible game aside), on every change worth keeping it hands the game's text to the writer's
// thread, and at the end it writes the last text itself. One copy of the program at a time keeps
// a folder's game: it holds the folder's lock, and a second copy plays without keeping its game.

#include <QLockFile>
#include <filesystem>
#include <memory>
#include <string>

#include "window/game_file_writer.h"

namespace vornmark {

class PlayFlow;

class GameKeeper {
 public:
  // Keeps the flow's game in dir/game while it holds dir/game.lock.
  GameKeeper(PlayFlow& flow, std::filesystem::path dir);
  ~GameKeeper();
  GameKeeper(const GameKeeper&) = delete;
  GameKeeper& operator=(const GameKeeper&) = delete;

  enum class Start {
    NothingToResume,
    Resumed,
    SetAside,      // the file held no possible game and was moved aside
    NotKept,       // a bad file could not be moved aside, or the folder cannot be used
    HeldByAnother  // another copy of the program keeps this folder's game
  };
  // Claims the folder and resumes the game kept there. A note for the player, when the start
  // needs one, is in note().
  Start start();
  const std::string& note() const { return note_; }

  // The game changed: its text is taken now and written by the worker.
  void game_changed();
  // Writes the game now, once the worker is done; true when the game is in the file.
  bool save_now();
  // A note when a write of the worker failed, once a run; empty otherwise.
  std::string failure_note();

  bool keeping() const { return writer_ != nullptr; }
  std::filesystem::path file() const;

 private:
  bool worth_keeping() const;

  PlayFlow& flow_;
  const std::filesystem::path dir_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<GameFileWriter> writer_;  // only while the folder is this copy's
  std::string note_;
  std::string saved_now_;  // what save_now wrote last, unless the worker was given more since
  bool failure_told_ = false;
};

}  // namespace vornmark
