// The Simulation command: the computer fires volley after volley at a fleet scattered at
// random until that fleet is sunk.

#include "opponent/real_hits.h"
#include "play/play_flow.h"
#include "setup/game.h"
#include "setup/start_up.h"

namespace vornmark {

void PlayFlow::run_simulation() {
  int own_counter = -1;  // games begun here are not counted
  new_game(game_, own_counter);
  game_.simulation_mode = 1;
  game_.his_real_ships.clear();
  random_place_fleet(game_, game_.his_fleet, game_.his_real_ships);
  // At least one computer turn, whatever state the command starts from (even right after an
  // earlier simulated game ended in ComputerWon), then on until the computer has won.
  do {
    start_computer_turn();
    if (game_.settings.AutomaticMode == 0) {
      take_real_hits(game_);
      check_computer_won();
    }
  } while (game_.play_state != PlayState::ComputerWon);
}

}  // namespace vornmark
