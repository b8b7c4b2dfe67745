#include "setup/match.h"

#include "setup/start_up.h"

namespace vornmark {

Match::Match(Platform& platform)
    : report_(platform),
      my_fleet_(make_fleet(report_)),
      his_fleet_(make_fleet(report_)),
      my_sea_(report_, "MY SEA"),
      my_shots_(report_, "MY SHOTS"),
      his_shots_(report_, "HIS SHOTS"),
      his_real_ships_(report_, "HIS REAL SHIPS") {}

void Match::new_game(Counted counted, PlayerFleet player_fleet) {
  if (counted == Counted::Yes) {
    game_counter_ += 1;
    // The switches G and L name games by this counter.
    if (switches_.first_game > 0 && game_counter_ == switches_.first_game) switches_.flags[0] = true;
    if (switches_.last_game > 0 && game_counter_ == switches_.last_game) switches_.flags[0] = true;
  }

  my_sea_.clear();
  my_shots_.clear();
  his_shots_.clear();

  counters_.computer_volley = 1;
  counters_.player_volley = 1;
  counters_.next_shot = 1;
  counters_.computer_shots_per_volley = settings_.NumberOfShots;
  counters_.player_shots_per_volley = settings_.NumberOfShots;

  for (Ship& ship : his_fleet_) {
    // Unplacing clears the hit records too; a fleet kept where it lies keeps only its cells.
    const std::array<CellPos, Ship::kMaxCells> cells = ship.cells();
    ship.unplace();
    if (player_fleet == PlayerFleet::KeptWhereItLies) ship.set_cells(cells.data());
  }
  random_place_fleet(random_, grid(), my_fleet_, my_sea_);
}

void Match::resize_boards_to_grid() {
  for (Board* board : {&my_sea_, &my_shots_, &his_shots_, &his_real_ships_}) board->set_size(grid(), grid());
}

void Match::take_real_hits() {
  const int volley = counters_.computer_volley;
  my_shots_.restart_search(volley);
  CellPos cell;
  while (my_shots_.next_match(cell)) {
    const int id = his_real_ships_.at(cell.x, cell.y);
    if (id >= 1 && id <= kFleetSize) his_fleet_[static_cast<std::size_t>(id - 1)].add_hit(volley);
  }
}

void Match::score_player_hit(int ship_index) {
  if (ship_index < 0 || ship_index >= kFleetSize) return;
  my_fleet_[static_cast<std::size_t>(ship_index)].add_hit(counters_.player_volley);
  if (counters_.player_shots_per_volley > 1) counters_.player_shots_per_volley -= 1;
}

}  // namespace vornmark
