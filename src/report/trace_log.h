#pragma once
// The optional trace log of the opponent's reasoning. Only the first 10,001 messages of a
// run are written; every call counts towards that cap, written or not.

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace vornmark {

class TraceLog {
 public:
  static constexpr int kMessageCap = 10001;
  static constexpr int kHistogramSize = 50;

  TraceLog() = default;
  ~TraceLog();
  TraceLog(const TraceLog&) = delete;
  TraceLog& operator=(const TraceLog&) = delete;

  // Creates or empties the file; false when it cannot be opened.
  bool open(const std::string& path);
  void close();
  bool is_open() const { return file_ != nullptr; }

  // Appends the text as it is, without a line end, while under the cap.
  void trace(std::string_view text);
  // printf-style message; formatted only when it will be written.
  void tracef(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Whether the next message would reach the file (the log is open and under the cap).
  bool writes_next() const { return file_ != nullptr && message_count_ < kMessageCap; }
  // Counts a message that the caller knows will not be written.
  void count_unwritten() { ++message_count_; }
  int message_count() const { return message_count_; }

  std::array<int, kHistogramSize>& histogram() { return histogram_; }
  void clear_histogram() { histogram_.fill(0); }
  // The closing summary of the statistics histogram, written when the log is open.
  void write_summary();

 private:
  std::FILE* file_ = nullptr;
  int message_count_ = 0;
  std::array<int, kHistogramSize> histogram_{};
};

}  // namespace vornmark
