#include "opponent/real_hits.h"

#include "setup/game.h"

namespace vornmark {

void take_real_hits(Game& game) {
  const int volley = game.computer_volley;
  game.my_shots.restart_search(volley);
  CellPos cell;
  while (game.my_shots.next_match(cell)) {
    const int id = game.his_real_ships.at(cell.x, cell.y);
    if (id >= 1 && id <= 4) game.his_fleet[id - 1].add_hit(volley);
  }
}

}  // namespace vornmark
