#pragma once
// The gun-sight cursor "TARNQUIL" shown over the grid while the player aims.

#include <QCursor>
#include <optional>

namespace vornmark {

inline constexpr int kSightHotSpot = 15;
inline constexpr int kSightSize = 32;

// The cursor made from its bitmap and mask in the resources; none when they cannot be loaded.
// At a device pixel ratio above 1 it is a pixmap of that many device pixels a logical one, so
// the sight keeps its size on a HiDPI screen and its lines stay sharp; the hot spot stays in
// logical pixels, which the platform scales.
std::optional<QCursor> load_sight_cursor(qreal device_pixel_ratio = 1.0);

}  // namespace vornmark
