#pragma once
// The eight options kept between runs. Fields bear the names of their keys in the file.

#include <cstdint>

namespace vornmark {

struct GameSettings {
  std::int32_t NumberOfShots = 10;
  std::int32_t AmbiguityThreshold = 10;
  std::int32_t AutomaticMode = 1;
  std::uint8_t PauseVornmark = 1;
  std::uint8_t PausePlayer = 1;
  std::int32_t DefenseMode = 0;
  std::int32_t MaxCells = 15;
  std::int32_t PlayLevel = 1;

  friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

enum PlayLevelValue { kNovice = 0, kIntermediate = 1, kAdvanced = 2 };

constexpr int kMinGrid = 4;
constexpr int kMaxGrid = 30;

}  // namespace vornmark
