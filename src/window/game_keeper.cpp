#include "window/game_keeper.h"

#include <system_error>

#include "play/play_flow.h"
#include "setup/game_file.h"

namespace vornmark {

namespace {

std::string quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

}  // namespace

GameKeeper::GameKeeper(PlayFlow& flow, std::filesystem::path dir) : flow_(flow), dir_(std::move(dir)) {}

GameKeeper::~GameKeeper() {
  // The writer finishes before the lock lets another copy in.
  writer_.reset();
  lock_.reset();
}

std::filesystem::path GameKeeper::file() const { return dir_ / std::string(kGameFileName); }

GameKeeper::Start GameKeeper::start() {
  std::error_code error;
  std::filesystem::create_directories(dir_, error);
  lock_ = std::make_unique<QLockFile>(QString::fromStdString((dir_ / "game.lock").string()));
  // Held for as long as the program runs: only a lock whose program has died is taken over.
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(100)) {
    const bool held = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    if (held) {
      note_ =
          "Another Vornmark is running and keeps its game in progress.\n"
          "This one leaves that game alone: what you play here is not kept when you close it.";
      return Start::HeldByAnother;
    }
    note_ = "Vornmark cannot keep the game in progress in " + quoted(dir_) +
            ".\nWhat you play is not kept when you close the window.";
    return Start::NotKept;
  }

  const GameFileText kept = read_game_file(file());
  Start start = Start::NothingToResume;
  if (kept.status != GameFileStatus::Missing) {
    std::string why = "it could not be read";
    if (kept.status == GameFileStatus::Read && flow_.resume(kept.text, &why)) {
      start = Start::Resumed;
    } else if (const std::optional<std::filesystem::path> aside = set_aside_game_file(file())) {
      note_ = "The game kept from the last time could not be resumed (" + why + ").\nThe file was kept as " +
              quoted(*aside) + ", and a new start is made.";
      start = Start::SetAside;
    } else {
      // Never written over: the player may want to look at it.
      note_ = "The game kept in " + quoted(file()) + " could not be resumed (" + why +
              "), nor moved aside.\nWhat you play is not kept when you close the window.";
      lock_.reset();
      return Start::NotKept;
    }
  }
  writer_ = std::make_unique<GameFileWriter>(file());
  return start;
}

bool GameKeeper::worth_keeping() const {
  // Before the first game there is nothing to keep, and the settings file alone says how to play.
  return flow_.match().play_state() != PlayState::Idle;
}

void GameKeeper::game_changed() {
  if (writer_ == nullptr || !worth_keeping()) return;
  saved_now_.clear();
  writer_->write_later(flow_.saved_game());
}

bool GameKeeper::save_now() {
  if (writer_ == nullptr) return false;
  if (!worth_keeping()) {
    writer_->finish();
    return false;
  }
  // SIGTERM saves, then closes the window, which saves again: the same text is written once.
  std::string text = flow_.saved_game();
  if (!saved_now_.empty() && text == saved_now_) return true;
  if (writer_->write_now(text)) {
    saved_now_ = std::move(text);
    return true;
  }
  // An earlier text of this game may still be on the disk, and the next start resumes it.
  std::error_code error;
  return std::filesystem::exists(file(), error);
}

std::string GameKeeper::failure_note() {
  if (writer_ == nullptr || failure_told_ || !writer_->last_write_failed()) return {};
  failure_told_ = true;
  return "Vornmark could not save the game in progress in " + quoted(file()) +
         ".\nIt tries again at every change, and when you quit.";
}

}  // namespace vornmark
