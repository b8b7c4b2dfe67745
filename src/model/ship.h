#pragma once
// One ship of a fleet: its shape as offsets from its anchor, where it lies, and the volleys
// that hit it. The player's ships double as the opponent's working model, whose placed cells
// are moved and turned over and over while placements are tried.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "model/cell_pos.h"

namespace vornmark {

class Reporter;

class Ship {
 public:
  static constexpr int kMaxCells = 15;
  static constexpr CellPos kUnplaced{-1, -1};

  explicit Ship(Reporter& reporter) : reporter_(&reporter) {}

  void describe(std::string_view name, int cell_count, int id, std::initializer_list<CellPos> shape);
  void unplace();
  bool move_to(int x, int y);
  void rotate();
  bool set_cells(const CellPos* cells);
  int add_hit(int volley);
  int remove_hit();

  int cell_count() const { return cell_count_; }
  int hit_count() const;
  int cells_left() const { return cell_count_ - hit_count(); }
  int hit_at(int slot) const { return slot >= 0 && slot < cell_count_ ? hits_[slot] : -1; }
  CellPos where(int i) const;
  int id() const { return id_; }
  int tot_matches() const { return tot_matches_; }
  bool is_placed() const { return cells_[0] != kUnplaced; }
  void dump() const;

  const char* display_name() const { return name_ ? name_->c_str() : "(null)"; }

  // Direct views for the placement scan, which treats the placed cells as scratch.
  const std::array<CellPos, kMaxCells>& shape() const { return shape_; }
  std::array<CellPos, kMaxCells>& cells() { return cells_; }
  const std::array<CellPos, kMaxCells>& cells() const { return cells_; }
  const std::array<std::int32_t, kMaxCells>& hits() const { return hits_; }
  std::array<std::int32_t, kMaxCells>& matched() { return matched_; }
  void set_tot_matches(int count) { tot_matches_ = count; }
  // Takes over the hit record of another ship of the same kind, slot by slot.
  void copy_hits_from(const Ship& other) { hits_ = other.hits_; }
  // Puts back a hit record saved with a game, slot by slot.
  void restore_hits(const std::array<std::int32_t, kMaxCells>& hits) { hits_ = hits; }
  Reporter& reporter() const { return *reporter_; }

 private:
  bool described(const char* message) const;

  std::array<CellPos, kMaxCells> shape_{};
  int cell_count_ = 0;
  std::optional<std::string> name_;
  std::array<CellPos, kMaxCells> cells_{};
  std::array<std::int32_t, kMaxCells> hits_{};
  std::array<std::int32_t, kMaxCells> matched_{};
  int id_ = 0;
  int tot_matches_ = 0;
  Reporter* reporter_;
};

// The trace letter of a fleet index: 'A' for the first ship, 'D' for the fourth.
inline char ship_letter(int index) { return static_cast<char>('A' + index); }

}  // namespace vornmark
