#include "opponent/reasoner.h"

#include "opponent/placement_scan.h"
#include "report/reporter.h"
#include "setup/settings.h"

namespace vornmark {

Reasoner::Reasoner(Reporter& reporter, const ReasonerNames& names)
    : reporter_(reporter),
      guesses_(make_fleet(reporter)),
      occupancy_(reporter, names.occupancy),
      cumulative_(reporter, names.cumulative),
      ship_tallies_{Board(reporter), Board(reporter), Board(reporter), Board(reporter)} {
  describe_fleet(guesses_, names.owner);
  for (Board* board : {&occupancy_, &cumulative_}) board->allocate(kMaxGrid, kMaxGrid);
  for (Board& board : ship_tallies_) board.allocate(kMaxGrid, kMaxGrid);
  resize(setting(SettingId::MaxCells).default_value);
}

void Reasoner::resize(int grid) {
  for (Board* board : {&occupancy_, &cumulative_}) board->set_size(grid, grid);
  for (Board& board : ship_tallies_) board.set_size(grid, grid);
}

void Reasoner::count(const Board& shots, const Fleet& fleet) {
  cumulative_.clear();
  for (int i = 0; i < kFleetSize; ++i)
    guesses_[static_cast<std::size_t>(i)].copy_hits_from(fleet[static_cast<std::size_t>(i)]);
  occupancy_.clear();
  possib_.fill(0);
  pin_ships(shots);

  for (int i = 0; i < kFleetSize; ++i)
    if (guesses_[static_cast<std::size_t>(i)].cells_left() > 0)
      cumulative_.add(ship_tallies_[static_cast<std::size_t>(i)]);
  reporter_.log().trace("Cumulative probabilities");
  cumulative_.dump_numbers();
}

void Reasoner::restore_counts(const std::array<int, kFleetSize>& possib, const std::vector<std::int32_t>& occupancy,
                              const std::vector<std::int32_t>& cumulative, int grid) {
  resize(grid);
  possib_ = possib;
  for (int y = 0; y < grid; ++y)
    for (int x = 0; x < grid; ++x) {
      occupancy_.cell(x, y) = occupancy[static_cast<std::size_t>(x + y * grid)];
      cumulative_.cell(x, y) = cumulative[static_cast<std::size_t>(x + y * grid)];
    }
}

void Reasoner::mark_pinned(int ship) {
  Board& tally = ship_tallies_[static_cast<std::size_t>(ship)];
  const int id = guesses_[static_cast<std::size_t>(ship)].id();
  tally.restart_search(1);
  CellPos cell;
  while (tally.next_match(cell)) occupancy_.at(cell.x, cell.y) = id;
}

void Reasoner::pin_ships(const Board& shots) {
  TraceLog& log = reporter_.log();
  bool pinned = true;
  while (pinned) {
    pinned = false;
    for (int i = 0; i < kFleetSize; ++i) {
      int& count = possib_[static_cast<std::size_t>(i)];
      if (count == 1) continue;
      Board& tally = ship_tallies_[static_cast<std::size_t>(i)];
      tally.clear();
      count = scan_ship(shots, &occupancy_, guesses_[static_cast<std::size_t>(i)], tally);
      if (count != 1) continue;
      pinned = true;
      log.tracef("Ship %c can only be at\n", ship_letter(i));
      mark_pinned(i);
      tally.dump_numbers();
    }
  }
}

}  // namespace vornmark
