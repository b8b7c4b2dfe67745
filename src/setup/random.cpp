#include "setup/random.h"

#include <chrono>

namespace vornmark {

std::uint32_t clock_seed() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto ticks = static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  const auto steady = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  const std::uint64_t mixed = ticks ^ (steady * 0x9E3779B97F4A7C15ull);
  return static_cast<std::uint32_t>(mixed ^ (mixed >> 32));
}

}  // namespace vornmark
