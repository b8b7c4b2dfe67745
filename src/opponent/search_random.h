#pragma once
// The Expert's own random numbers, apart from the match's generator: one seed taken from the
// match per volley starts a stream that draws the fleets, the planner's tie-break seeds and
// the rollouts' seeds, so that a game repeats wherever the match's generator repeats.

#include <cstdint>

namespace vornmark {

class SearchRandom {
 public:
  void seed(std::uint64_t state) { state_ = state; }
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint32_t next32() { return static_cast<std::uint32_t>(next() >> 32); }
  // Uniform in 0 ... n - 1 for n >= 1.
  int below(int n) { return static_cast<int>((next() >> 32) * static_cast<std::uint64_t>(n) >> 32); }

 private:
  std::uint64_t state_ = 0;
};

}  // namespace vornmark
