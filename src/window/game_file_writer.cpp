#include "window/game_file_writer.h"

#include "setup/game_file.h"

namespace vornmark {

GameFileWriter::GameFileWriter(std::filesystem::path file, Write write)
    : file_(std::move(file)),
      write_(write ? std::move(write) : Write([](const std::filesystem::path& to, const std::string& text) {
        return write_game_file(to, text);
      })),
      worker_([this] { work(); }) {}

GameFileWriter::~GameFileWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void GameFileWriter::write_later(std::string text) {
  {
    std::lock_guard lock(mutex_);
    waiting_ = std::move(text);
  }
  changed_.notify_all();
}

bool GameFileWriter::write_now(const std::string& text) {
  std::unique_lock lock(mutex_);
  waiting_.reset();
  changed_.wait(lock, [this] { return !writing_; });
  const bool written = write_unlocked(lock, text);
  lock.unlock();
  changed_.notify_all();
  return written;
}

bool GameFileWriter::write_unlocked(std::unique_lock<std::mutex>& lock, const std::string& text) {
  writing_ = true;
  lock.unlock();
  const bool written = write_(file_, text);
  lock.lock();
  writing_ = false;
  last_written_ = written;
  return written;
}

bool GameFileWriter::finish() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !writing_ && !waiting_; });
  return last_written_;
}

bool GameFileWriter::last_write_failed() {
  std::lock_guard lock(mutex_);
  return !last_written_;
}

void GameFileWriter::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || (waiting_ && !writing_); });
    if (!waiting_ || writing_) {
      if (stopping_) return;
      continue;
    }
    std::string text = std::move(*waiting_);
    waiting_.reset();
    write_unlocked(lock, text);
    changed_.notify_all();
  }
}

}  // namespace vornmark
