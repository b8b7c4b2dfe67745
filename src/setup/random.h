#pragma once
// The one random generator of the game, shared by fleet placement and every random pick of
// the opponent: state = state * 214013 + 2531011 (mod 2^32), each draw bits 16 to 30.

#include <cstdint>

namespace vornmark {

class Lcg {
 public:
  void seed(std::uint32_t state) { state_ = state; }
  int draw() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }
  std::uint32_t state() const { return state_; }

 private:
  std::uint32_t state_ = 1;
};

// A seed that differs from run to run: the system clock at full resolution.
std::uint32_t clock_seed();

}  // namespace vornmark
