#pragma once
// Writes the game file on a thread of its own, so that the disk's flushes never hold up the
// window: the window hands over each new text at once, the worker writes them in order, and a
// text handed over while another is being written replaces any still waiting (the latest wins).
// At the end the window writes the last text itself, once the worker is done.

#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace vornmark {

class GameFileWriter {
 public:
  // How a text reaches the disk; write_game_file unless a test replaces it.
  using Write = std::function<bool(const std::filesystem::path&, const std::string&)>;

  explicit GameFileWriter(std::filesystem::path file, Write write = {});
  // Writes what is still waiting, then ends the worker.
  ~GameFileWriter();
  GameFileWriter(const GameFileWriter&) = delete;
  GameFileWriter& operator=(const GameFileWriter&) = delete;

  // Hands the text to the worker and returns at once.
  void write_later(std::string text);
  // Drops what waits (this text is newer), waits for a write under way, then writes this text
  // on the calling thread; true when it is on the disk.
  bool write_now(const std::string& text);
  // Waits until everything handed over is written; true when the last write succeeded.
  bool finish();
  // Whether the last write, done or under way, failed; does not wait.
  bool last_write_failed();

  const std::filesystem::path& file() const { return file_; }

 private:
  // Writes with the lock released, marked as writing meanwhile; the lock is held again after.
  bool write_unlocked(std::unique_lock<std::mutex>& lock, const std::string& text);
  void work();

  const std::filesystem::path file_;
  const Write write_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<std::string> waiting_;
  bool writing_ = false;
  bool last_written_ = true;
  bool stopping_ = false;
  std::thread worker_;  // last, so that it starts once everything above is ready
};

}  // namespace vornmark
