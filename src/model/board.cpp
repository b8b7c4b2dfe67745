#include "model/board.h"

#include <cstdio>

#include "report/reporter.h"

namespace vornmark {

namespace {
constexpr const char* kNumbersHeader = "   0  1  2  3  4  5  6  7  8  9\n";
constexpr const char* kLettersHeader = "  0  1  2  3  4  5  6  7  8  9\n";
// Room for one dumped row of the largest grid with values of any size.
constexpr std::size_t kRowBuffer = 30 * 16 + 32;

// Appends printf output to a fixed buffer; the buffer is large enough for any row.
template <typename... Args>
void append(char* buffer, std::size_t& used, const char* format, Args... args) {
  if (used >= kRowBuffer) return;
  const int n = std::snprintf(buffer + used, kRowBuffer - used, format, args...);
  if (n > 0) used += static_cast<std::size_t>(n);
  if (used > kRowBuffer - 1) used = kRowBuffer - 1;
}
}  // namespace

Board::Board(Reporter& reporter) : reporter_(&reporter) {}

Board::Board(Reporter& reporter, std::string_view name) : reporter_(&reporter), name_(std::string(name)) {}

void Board::allocate(int width, int height) {
  if (width < 0 || height < 0) width = height = 0;
  width_ = width;
  height_ = height;
  cells_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

void Board::set_size(int width, int height) {
  if (width < 0 || height < 0) return;
  if (static_cast<std::size_t>(width) * static_cast<std::size_t>(height) > cells_.size()) return;
  width_ = width;
  height_ = height;
}

std::int32_t& Board::at(int x, int y) {
  if (in_bounds(x, y)) return cell(x, y);
  reporter_->bounds_error(format_text("\nError accessing %s at %d,%d\n", display_name(), x, y));
  outside_ = 0;
  return outside_;
}

std::int32_t Board::at(int x, int y) const {
  if (in_bounds(x, y)) return cell(x, y);
  reporter_->bounds_error(format_text("\nError accessing %s at %d,%d\n", display_name(), x, y));
  return 0;
}

// The grid's cells are the first width * height of the storage, row after row, so the
// whole-grid operations run over them as one array when the other board has the same width.
// The counts live in locals: a store through a cell could otherwise change width_ for all the
// compiler knows, and it would reload it after every cell.

void Board::clear() {
  const int cells = width_ * height_;
  std::int32_t* to = cells_.data();
  for (int i = 0; i < cells; ++i) to[i] = 0;
}

void Board::add(const Board& other) {
  if (other.width_ == width_ && other.height_ >= height_) {
    const int cells = width_ * height_;
    std::int32_t* to = cells_.data();
    const std::int32_t* from = other.cells_.data();
    for (int i = 0; i < cells; ++i) to[i] += from[i];
    return;
  }
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (other.in_bounds(x, y)) cell(x, y) += other.cell(x, y);
}

int Board::clear_under(const Board& mask) {
  int count = 0;
  if (mask.width_ == width_ && mask.height_ >= height_) {
    const int cells = width_ * height_;
    std::int32_t* to = cells_.data();
    const std::int32_t* under = mask.cells_.data();
    for (int i = 0; i < cells; ++i) {
      const bool masked = under[i] != 0;
      count += masked & (to[i] > 0);
      to[i] = masked ? 0 : to[i];
    }
    return count;
  }
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (!mask.in_bounds(x, y) || mask.cell(x, y) == 0) continue;
      if (cell(x, y) > 0) ++count;
      cell(x, y) = 0;
    }
  }
  return count;
}

void Board::restart_search(int value) {
  search_value_ = value;
  search_column_ = 0;
  search_row_ = 0;
}

bool Board::next_match(CellPos& found) {
  if (search_row_ >= height_) return false;
  int x = search_column_ < 0 ? 0 : search_column_;
  for (int y = search_row_; y < height_; ++y, x = 0) {
    for (; x < width_; ++x) {
      if (cell(x, y) == search_value_) {
        found = {x, y};
        search_column_ = x + 1;
        search_row_ = y;
        return true;
      }
    }
  }
  search_row_ = height_;
  search_column_ = 0;
  return false;
}

void Board::record_shot(int volley, int x, int y) {
  if (volley != search_value_) restart_search(volley);
  if (!in_bounds(x, y)) {
    reporter_->warning_box(format_text("Error volley out of bounds %s at %d,%d", display_name(), x, y));
  } else if (cell(x, y) != 0) {
    reporter_->warning_box(format_text("Error firing twice at %s %d,%d", display_name(), x, y));
  } else {
    cell(x, y) = volley;
  }
}

void Board::dump_numbers() const {
  TraceLog& log = reporter_->log();
  if (!log.writes_next()) {
    // Nothing of it will be written; only the messages count.
    for (int i = 0; i < height_ + 3; ++i) log.count_unwritten();
    return;
  }
  log.tracef("\n%s\n%s", display_name(), kNumbersHeader);
  char row[kRowBuffer];
  for (int y = 0; y < height_; ++y) {
    std::size_t used = 0;
    append(row, used, "%1d:", y);
    for (int x = 0; x < width_; ++x) {
      if (cell(x, y) != 0)
        append(row, used, "%2d ", cell(x, y));
      else
        append(row, used, " . ");
    }
    append(row, used, ":%d\n", y);
    log.trace(std::string_view(row, used));
  }
  log.trace(kNumbersHeader);
  log.trace("\n");
}

void Board::dump_letters(const Board& other) const {
  TraceLog& log = reporter_->log();
  if (!log.writes_next()) {
    for (int i = 0; i < height_ + 2; ++i) log.count_unwritten();
    return;
  }
  log.tracef("\n%s\n%s", display_name(), kLettersHeader);
  char row[kRowBuffer];
  for (int y = 0; y < height_; ++y) {
    std::size_t used = 0;
    append(row, used, "%d:", y);
    for (int x = 0; x < width_; ++x) {
      const int value = cell(x, y);
      if (value != 0)
        append(row, used, "%c", 'A' + value - 1);
      else
        append(row, used, ".");
      const int beside = other.in_bounds(x, y) ? other.cell(x, y) : 0;
      if (beside != 0)
        append(row, used, "%d ", beside);
      else
        append(row, used, "  ");
    }
    append(row, used, "\n");
    log.trace(std::string_view(row, used));
  }
  log.trace(kLettersHeader);
}

}  // namespace vornmark
