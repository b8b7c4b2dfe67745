#pragma once
// A named rectangular grid of signed 32-bit cells: every sea, shot record and tally of the
// game. Cell (x, y) is element x + y * width. Access through at() is bounds-checked and
// reports a bad position; cell() is for positions already proven inside.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/cell_pos.h"

namespace vornmark {

class Reporter;

class Board {
 public:
  explicit Board(Reporter& reporter);
  Board(Reporter& reporter, std::string_view name);

  // Sets both dimensions and replaces the storage by width * height cells, all 0.
  void allocate(int width, int height);
  // Sets both dimensions only; the storage must already hold width * height cells. A size
  // the storage cannot hold is refused and the board keeps its size.
  void set_size(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  bool in_bounds(int x, int y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }

  // Bounds-checked access. Outside the grid it reports "Error accessing" and yields a scratch
  // cell that reads 0 and swallows writes, so no memory outside the storage is touched.
  std::int32_t& at(int x, int y);
  std::int32_t at(CellPos p) const { return at(p.x, p.y); }
  // The same check for reading only: a position outside reports the error and reads 0.
  std::int32_t at(int x, int y) const;

  // Unchecked access for positions already proven inside.
  std::int32_t& cell(int x, int y) { return cells_[static_cast<std::size_t>(x + y * width_)]; }
  std::int32_t cell(int x, int y) const { return cells_[static_cast<std::size_t>(x + y * width_)]; }
  // The cells in their layout (x + y * width), for loops over whole rows.
  const std::int32_t* data() const { return cells_.data(); }

  void clear();
  // Adds the other board cell by cell; the other has the same size and is only read.
  void add(const Board& other);
  // Clears every cell under a non-zero mask cell; returns how many of them were positive.
  int clear_under(const Board& mask);

  void restart_search(int value);
  // Moves the search cursor to the next cell holding the search value, row by row.
  bool next_match(CellPos& found);
  int search_value() const { return search_value_; }

  // Records that `volley` fired at (x, y); warns about a shot outside or a cell fired twice.
  void record_shot(int volley, int x, int y);

  // The board as numbers, and as ship letters beside another board's values, to the trace.
  void dump_numbers() const;
  void dump_letters(const Board& other) const;

  // The name as messages and dumps show it: "(null)" for a board without a name.
  const char* display_name() const { return name_ ? name_->c_str() : "(null)"; }
  Reporter& reporter() const { return *reporter_; }
  std::size_t capacity() const { return cells_.size(); }

 private:
  Reporter* reporter_;
  std::vector<std::int32_t> cells_;
  std::optional<std::string> name_;
  int width_ = 0;
  int height_ = 0;
  int search_value_ = 0;
  int search_column_ = -1;
  int search_row_ = 0;
  std::int32_t outside_ = 0;
};

}  // namespace vornmark
