#pragma once
// Colour science for the checks of the colour schemes: sRGB to linear light, the simulation of
// the three dichromacies by Machado, Oliveira and Fernandes (2009) at severity 1, CIELAB (D65),
// the CIEDE2000 difference, and the WCAG contrast ratio.

#include <array>
#include <string>

#include "presentation/canvas.h"

namespace vornmark::testing {

enum class Vision { Normal, Deuteranopia, Protanopia, Tritanopia };
inline constexpr std::array<Vision, 4> kVisions = {Vision::Normal, Vision::Deuteranopia, Vision::Protanopia,
                                                   Vision::Tritanopia};
const char* vision_name(Vision vision);

using Linear = std::array<double, 3>;
struct Lab {
  double l;
  double a;
  double b;
};

Linear to_linear(Rgb colour);
// The colour as a dichromat sees it, in linear light, clamped to the displayable range.
Linear simulate(const Linear& colour, Vision vision);
Lab to_lab(const Linear& colour);
double ciede2000(const Lab& first, const Lab& second);
// The difference of two sRGB colours as seen with the given vision.
double difference(Rgb first, Rgb second, Vision vision);
// The smallest difference over the four visions.
double worst_difference(Rgb first, Rgb second, Vision* worst = nullptr);

double relative_luminance(Rgb colour);
double contrast_ratio(Rgb first, Rgb second);
// The relative luminance of linear light, for grey levels of simulated pixels.
double luminance(const Linear& colour);

}  // namespace vornmark::testing
