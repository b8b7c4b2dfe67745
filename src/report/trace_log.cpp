#include "report/trace_log.h"

#include <cstdarg>

namespace vornmark {

TraceLog::~TraceLog() { close(); }

bool TraceLog::open(const std::string& path) {
  close();
  file_ = std::fopen(path.c_str(), "w");
  return file_ != nullptr;
}

void TraceLog::close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

void TraceLog::trace(std::string_view text) {
  if (writes_next()) std::fwrite(text.data(), 1, text.size(), file_);
  ++message_count_;
}

void TraceLog::tracef(const char* format, ...) {
  if (writes_next()) {
    va_list args;
    va_start(args, format);
    std::vfprintf(file_, format, args);
    va_end(args);
  }
  ++message_count_;
}

void TraceLog::write_summary() {
  int low = kHistogramSize;
  int high = -1;
  for (int k = 0; k < kHistogramSize; ++k) {
    if (histogram_[k] != 0) {
      if (low == kHistogramSize) low = k;
      high = k;
    }
  }
  int total = 0;
  int weighted = 0;
  for (int k = low; k <= high; ++k) {
    if (file_ != nullptr) std::fprintf(file_, "%d %d\n", k, histogram_[k]);
    total += histogram_[k];
    weighted += k * histogram_[k];
  }
  if (file_ != nullptr) {
    // An empty histogram gives 0 / 0, printed as the C library prints that quotient.
    volatile double numerator = weighted;
    volatile double denominator = total;
    std::fprintf(file_, "%.1f %d\n", numerator / denominator, total);
  }
}

}  // namespace vornmark
