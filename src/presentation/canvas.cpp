#include "presentation/canvas.h"

#include <array>

namespace vornmark {

namespace {

struct ColourEntry {
  const char* name;
  Rgb rgb;
};

constexpr std::array<ColourEntry, kColourCount> kColourTable{{
    {"Grey", {194, 194, 194}},
    {"White", {255, 255, 255}},
    {"LightCyan", {64, 255, 255}},
    {"Red", {255, 0, 0}},
    {"SpringGreen", {0, 255, 127}},
    {"DarkGreen", {0, 128, 0}},
    {"Yellow", {255, 255, 0}},
    {"Teal", {0, 128, 128}},
    {"Orange", {255, 128, 0}},
}};

// A colour that is not one of the nine reads as the first, so a bad value never reads past the table.
const ColourEntry& entry(Colour colour) {
  const auto index = static_cast<std::size_t>(colour);
  return index < kColourTable.size() ? kColourTable[index] : kColourTable[0];
}

}  // namespace

Rgb colour_rgb(Colour colour) { return entry(colour).rgb; }

const char* colour_name(Colour colour) { return entry(colour).name; }

int font_pixel_height(int dots_per_inch) {
  // 8 * dpi / 72 with the rounding of a multiply-then-divide that rounds half away from zero.
  const long long product = 8LL * dots_per_inch;
  const long long half = product >= 0 ? 36 : -36;
  return static_cast<int>((product + half) / 72);
}

}  // namespace vornmark
