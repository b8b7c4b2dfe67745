#pragma once

#include <cstdint>

namespace vornmark {

// A pixel rectangle; right and bottom are exclusive for hit-testing.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  bool contains(long long x, long long y) const { return left <= x && x < right && top <= y && y < bottom; }
  bool empty() const { return right <= left || bottom <= top; }
  // The rectangle moved in by `margin` pixels on every side.
  Rect shrunk(std::int32_t margin) const { return {left + margin, top + margin, right - margin, bottom - margin}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace vornmark
