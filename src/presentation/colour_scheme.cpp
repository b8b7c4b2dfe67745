#include "presentation/colour_scheme.h"

#include "setup/match.h"

namespace vornmark {

namespace {

constexpr Rgb rgb(unsigned hex) {
  return {static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8), static_cast<std::uint8_t>(hex)};
}
constexpr Swatch swatch(unsigned fill, unsigned ink) { return {rgb(fill), rgb(ink), rgb(fill)}; }
constexpr Swatch boxed(unsigned fill, unsigned ink, unsigned box) { return {rgb(fill), rgb(ink), rgb(box)}; }

// Calm water under a night-blue frame: shots in warm stone, the current volley in deep blue, ships in
// charcoal, hits in vermilion, the highlight in amber; the counts from lime to night blue. Every pair the game tells
// apart stays far apart for red-, green- and blue-blind eyes as well (the palette test measures them).
constexpr SchemePalette kColourBlindSafe{
    {{
        swatch(0xDCEAF5, 0x14212E),  // water
        swatch(0x9E978C, 0x14212E),  // shot
        swatch(0x0B4F9C, 0xFFFFFF),  // current
        swatch(0xFFE26A, 0x14212E),  // highlight
        swatch(0x23282E, 0xDCE4EC),  // ship
        swatch(0xD4501F, 0x14212E),  // hit
        swatch(0xF4F7FA, 0x14212E),  // slot
    }},
    rgb(0x556677),                                                                  // grid line
    rgb(0xFFFFFF),                                                                  // current frame
    {{rgb(0xDDEB7A), rgb(0x7FE0D0), rgb(0x5F8AA8), rgb(0x3B3FA8), rgb(0x000536)}},  // lime to night blue
    rgb(0x000000),
    false,
    swatch(0xFFFFFF, 0x000000),  // pin
    swatch(0x1D3557, 0xFFFFFF),  // background of the player's turn
    swatch(0x3B2D4F, 0xFFFFFF),  // of the computer's
    swatch(0x24443A, 0xFFFFFF),  // of Place mode
    swatch(0xC9D3DD, 0x14212E),  // before the first game
    swatch(0x8FD3B6, 0x14212E),  // button: go on
    swatch(0xD5DDE5, 0x14212E),  // button: aim
    swatch(0xD4501F, 0x14212E),  // button: see what you hit
    swatch(0xF2C230, 0x14212E),  // button: the game is over
    swatch(0xFFFFFF, 0x000000),  // focus frame: white strips edged in black
};

// Black water, white lines and text, a few saturated colours; letters on mid-tone fills sit on a
// black box. The level of a count is the size of a square.
constexpr SchemePalette kHighContrast{
    {{
        swatch(0x000000, 0xFFFFFF),           // water
        boxed(0x3B7BFF, 0xFFFFFF, 0x000000),  // shot
        swatch(0xFFFF00, 0x000000),           // current
        swatch(0xFFFFFF, 0x000000),           // highlight
        swatch(0xFFFFFF, 0x000000),           // ship
        boxed(0xFF2A2A, 0xFFFFFF, 0x000000),  // hit
        swatch(0x000000, 0xFFFFFF),           // slot
    }},
    rgb(0xB0B0B0),  // grid line
    rgb(0x000000),  // current frame
    {{rgb(0x000000), rgb(0x000000), rgb(0x000000), rgb(0x000000), rgb(0x000000)}},
    rgb(0x00E5FF),
    true,
    swatch(0xFF00FF, 0xFFFFFF),  // pin
    swatch(0x000000, 0xFFFFFF),  // background of the player's turn
    swatch(0x00003C, 0xFFFFFF),  // of the computer's
    swatch(0x000000, 0xFFFFFF),  // of Place mode
    swatch(0x000000, 0xFFFFFF),  // before the first game
    swatch(0xFFFF00, 0x000000),  // button: go on
    swatch(0x000000, 0xFFFFFF),  // button: aim
    swatch(0x00FFFF, 0x000000),  // button: see what you hit
    swatch(0xFFFFFF, 0x000000),  // button: the game is over
    swatch(0xFFFF00, 0x000000),  // focus frame: yellow strips edged in black
};

}  // namespace

SchemeId scheme_of(const Match& match) {
  const int value = match.settings().ColourScheme;
  return value > 0 && value < kSchemeCount ? static_cast<SchemeId>(value) : SchemeId::Classic;
}

const char* scheme_name(SchemeId scheme) {
  switch (scheme) {
    case SchemeId::ColourBlindSafe:
      return "Colour-blind safe";
    case SchemeId::HighContrast:
      return "High contrast";
    case SchemeId::Classic:
      break;
  }
  return "Classic";
}

const SchemePalette& scheme_palette(SchemeId scheme) {
  return scheme == SchemeId::HighContrast ? kHighContrast : kColourBlindSafe;
}

Swatch background_swatch(const SchemePalette& palette, Colour classic) {
  switch (classic) {
    case Colour::Teal:
      return palette.background_player;
    case Colour::DarkGreen:
      return palette.background_computer;
    case Colour::Yellow:
      return palette.background_place;
    default:
      return palette.background_idle;
  }
}

Swatch button_swatch(const SchemePalette& palette, Colour classic) {
  switch (classic) {
    case Colour::SpringGreen:
    case Colour::LightCyan:
      return palette.button_go;
    case Colour::Red:
      return palette.button_resolve;
    case Colour::Orange:
      return palette.button_end;
    default:
      return palette.button_wait;
  }
}

Rgb background_rgb(SchemeId scheme, Colour classic) {
  return scheme == SchemeId::Classic ? colour_rgb(classic) : background_swatch(scheme_palette(scheme), classic).fill;
}

}  // namespace vornmark
