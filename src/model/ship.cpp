#include "model/ship.h"

#include <cstdio>

#include "report/reporter.h"

namespace vornmark {

namespace {
constexpr const char* kNotDescribed = "Error: %s not described\n";
}

bool Ship::described(const char* message) const {
  if (cell_count_ != 0) return true;
  reporter_->warning_box(format_text(message, display_name()));
  return false;
}

void Ship::describe(std::string_view name, int cell_count, int id, std::initializer_list<CellPos> shape) {
  unplace();
  shape_.fill(CellPos{0, 0});
  cell_count_ = 0;
  id_ = 0;
  name_ = std::string(name);
  if (cell_count < 0) cell_count = 0;
  if (cell_count > kMaxCells) cell_count = kMaxCells;
  cell_count_ = cell_count;
  id_ = id;
  int i = 0;
  for (CellPos offset : shape) {
    if (i >= cell_count_) break;
    shape_[i++] = offset;
  }
}

void Ship::unplace() {
  cells_.fill(kUnplaced);
  hits_.fill(0);
}

bool Ship::move_to(int x, int y) {
  if (!described(kNotDescribed)) return false;
  for (int i = 0; i < cell_count_; ++i) cells_[i] = {x + shape_[i].x, y + shape_[i].y};
  return true;
}

void Ship::rotate() {
  if (!described("Error: %s not described f\n")) return;
  const CellPos anchor = cells_[0];
  for (int i = 1; i < cell_count_; ++i) {
    const CellPos c = cells_[i];
    cells_[i] = {anchor.x + (c.y - anchor.y), anchor.y - (c.x - anchor.x)};
  }
}

bool Ship::set_cells(const CellPos* cells) {
  if (!described(kNotDescribed)) return false;
  for (int i = 0; i < cell_count_; ++i) cells_[i] = cells[i];
  return true;
}

int Ship::add_hit(int volley) {
  if (!described(kNotDescribed)) return 0;
  for (int slot = 0; slot < cell_count_; ++slot) {
    if (hits_[slot] == 0) {
      hits_[slot] = volley;
      return slot + 1;
    }
  }
  reporter_->warning_box(format_text("Error: more hits than cells %s", display_name()));
  return cell_count_ + 1;
}

int Ship::remove_hit() {
  if (!described(kNotDescribed)) return 0;
  for (int slot = cell_count_ - 1; slot >= 0; --slot) {
    if (hits_[slot] != 0) {
      hits_[slot] = 0;
      return slot;
    }
  }
  reporter_->warning_box(format_text("Error: no hits left to remove %s", display_name()));
  return -1;
}

int Ship::hit_count() const {
  int count = 0;
  while (count < cell_count_ && hits_[count] != 0) ++count;
  return count;
}

CellPos Ship::where(int i) const {
  if (i >= 0 && i < cell_count_) return cells_[i];
  reporter_->warning_box("Ship::where cell > len");
  return {0, 0};
}

void Ship::dump() const {
  if (!described(kNotDescribed)) return;
  TraceLog& log = reporter_->log();
  if (!log.writes_next()) {
    log.count_unwritten();
    return;
  }
  std::string text = format_text("\n%s is at ", display_name());
  for (int i = 0; i < cell_count_; ++i) text += format_text("%d,%d  ", cells_[i].x, cells_[i].y);
  text += "Hit at volleys ";
  for (int slot = 0; slot < kMaxCells && hits_[slot] != 0; ++slot) text += format_text("%d ", hits_[slot]);
  text += format_text(" Tot matches last scan %d\n", tot_matches_);
  log.trace(text);
}

}  // namespace vornmark
