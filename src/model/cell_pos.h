#pragma once

#include <cstdint>

namespace vornmark {

// A grid position (column x, row y) or a shape offset from a ship's anchor.
struct CellPos {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(CellPos, CellPos) = default;
};

}  // namespace vornmark
