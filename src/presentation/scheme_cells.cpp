#include "presentation/scheme_cells.h"

#include <algorithm>
#include <optional>

#include "presentation/canvas.h"
#include "presentation/count_shading.h"

namespace vornmark {

namespace {

std::size_t index(CellState state) { return static_cast<std::size_t>(state); }

std::optional<Mark> mark_of(CellState state) {
  switch (state) {
    case CellState::Shot:
      return Mark::Ring;
    case CellState::Highlight:
      return Mark::Hatch;
    case CellState::Ship:
      return Mark::Hull;
    case CellState::Hit:
      return Mark::Cross;
    default:
      return std::nullopt;
  }
}

}  // namespace

void paint_scheme_cell(Canvas& canvas, const SchemePalette& palette, const Rect& cell, CellState state, bool current,
                       bool sunk) {
  const Swatch& look = palette.cells[index(state)];
  canvas.fill_rect(cell, look.fill, palette.grid_line);
  if (const std::optional<Mark> mark = mark_of(state)) canvas.mark(cell, *mark, look.ink, look.fill);
  if (sunk) canvas.mark(cell, Mark::Hatch, look.ink, look.fill);
  if (current || state == CellState::Current) {
    // The current volley's own cells carry a light frame; a hit of it, a frame of its colour.
    const Rgb frame =
        state == CellState::Current ? palette.current_frame : palette.cells[index(CellState::Current)].fill;
    canvas.mark(cell, Mark::Frame, frame, look.fill);
  }
  canvas.set_ink(look.ink, look.box);
}

void paint_scheme_shade(Canvas& canvas, const SchemePalette& palette, const Rect& cell, int level) {
  const int shade = std::clamp(level, 1, kShadeLevels);
  canvas.fill_rect(cell, palette.shades[static_cast<std::size_t>(shade - 1)], palette.grid_line);
  if (palette.squares_tell_levels)
    canvas.mark(level_square(cell, shade), Mark::Block, palette.shade_square, palette.shade_square);
}

void paint_scheme_ruled_out(Canvas& canvas, const SchemePalette& palette, const Rect& cell) {
  if (palette.squares_tell_levels) return;
  const int side = std::max(2, std::min(cell.right - cell.left, cell.bottom - cell.top) / 7);
  const int left = cell.left + (cell.right - cell.left - side) / 2;
  const int top = cell.top + (cell.bottom - cell.top - side) / 2;
  canvas.mark({left, top, left + side, top + side}, Mark::Block, palette.grid_line, palette.grid_line);
}

void paint_scheme_pin(Canvas& canvas, const SchemePalette& palette, const Rect& cell) {
  const Rect corner = certain_mark(cell);
  // A little larger than Classic's square, so that its edge shows round the diamond's fill.
  const int side = (corner.right - corner.left) * 3 / 2;
  canvas.mark({corner.left, corner.top, corner.left + side, corner.top + side}, Mark::Diamond, palette.pin.fill,
              palette.pin.ink);
}

Rect level_square(const Rect& cell, int level) {
  const int side = std::min(cell.right - cell.left, cell.bottom - cell.top);
  const int square = std::max(2, side * (std::clamp(level, 1, kShadeLevels) + 1) / (kShadeLevels + 2));
  const int left = cell.left + (cell.right - cell.left - square) / 2;
  const int top = cell.top + (cell.bottom - cell.top - square) / 2;
  return {left, top, left + square, top + square};
}

}  // namespace vornmark
