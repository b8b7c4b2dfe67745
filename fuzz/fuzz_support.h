#pragma once
// What the fuzz targets share: a check that stops the run with a message, a reader of the
// fuzzer's bytes, and a platform that answers every box with OK and keeps what it showed.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "report/platform.h"
#include "setup/settings_file_ops.h"

// A failed check is a finding: print it and abort, so that libFuzzer keeps the input and a
// replay fails its test.
#define FUZZ_CHECK(condition, ...)                                                       \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::fprintf(stderr, __VA_ARGS__);                                                 \
      std::fputc('\n', stderr);                                                          \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

// A check of a fault already reported: it fails like FUZZ_CHECK unless VORNMARK_FUZZ_KNOWN
// (a comma-separated list) names it; then `met` is set, the fault is noted once, and the
// target may stop the input there, so that a long run can look for other faults.
#define FUZZ_CHECK_KNOWN(name, met, condition, ...)                                         \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      if (!::vornmark::fuzz::known_fault_allowed(name)) FUZZ_CHECK(condition, __VA_ARGS__); \
      met = true;                                                                           \
    }                                                                                       \
  } while (false)

namespace vornmark::fuzz {

// Whether VORNMARK_FUZZ_KNOWN names the fault; says so on the first time.
bool known_fault_allowed(const char* name);

// Reads the fuzzer's bytes front to back; past the end every read gives 0.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return used_ >= size_; }
  std::uint8_t byte() { return used_ < size_ ? data_[used_++] : 0; }
  std::uint16_t u16() {
    const std::uint16_t low = byte();
    return static_cast<std::uint16_t>(low | (byte() << 8));
  }
  std::uint32_t u32() {
    const std::uint32_t low = u16();
    return low | (static_cast<std::uint32_t>(u16()) << 16);
  }
  // A text of up to max_length bytes, its length read first.
  std::string text(std::size_t max_length) {
    std::string result;
    const std::size_t length = byte() % (max_length + 1);
    for (std::size_t i = 0; i < length && !empty(); ++i) result += static_cast<char>(byte());
    return result;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t used_ = 0;
};

struct ShownBox {
  BoxOwner owner;
  std::string caption;
  std::string text;
};

// Answers every box with OK (a Cancel would end the process) and keeps what was shown.
class OkPlatform : public Platform {
 public:
  BoxAnswer message_box(const MessageBoxRequest& request) override {
    boxes.push_back({request.owner, std::string(request.caption), std::string(request.text)});
    return BoxAnswer::Ok;
  }
  void beep() override { ++beeps; }
  void set_busy_cursor(bool) override {}
  [[noreturn]] void exit_process(int code) override {
    std::fprintf(stderr, "the game ended the process with code %d\n", code);
    std::abort();
  }

  std::vector<ShownBox> boxes;
  int beeps = 0;
};

// The real file operations without the flushes to the disk: a fuzzer saves thousands of times
// a second, and the flushes are not what it tests.
class UnflushedFileOps : public SettingsFileOps {
 public:
  int sync(int) override { return 0; }
  void sync_directory(const std::filesystem::path&) override {}
};

// A directory of this process for files a target writes, removed when the process ends.
const std::filesystem::path& scratch_dir();

}  // namespace vornmark::fuzz
