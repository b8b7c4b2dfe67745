#pragma once
// The gun-sight cursor "TARNQUIL" shown over the grid while the player aims.

#include <QCursor>
#include <optional>

namespace vornmark {

inline constexpr int kSightHotSpot = 15;

// The cursor made from its bitmap and mask in the resources; none when they cannot be loaded.
std::optional<QCursor> load_sight_cursor();

}  // namespace vornmark
