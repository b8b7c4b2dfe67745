// The Simulation command: the computer fires volley after volley at a fleet scattered at
// random until that fleet is sunk.

#include "play/play_flow.h"
#include "play/view.h"
#include "setup/start_up.h"

namespace vornmark {

void PlayFlow::run_simulation() {
  // A whole game at once: its volleys are not heard.
  silent_ = true;
  begin_game(Match::Counted::No);
  match_.set_simulation_mode(1);
  Board& board = match_.mutable_his_real_ships();
  board.clear();
  random_place_fleet(match_.random(), match_.grid(), match_.mutable_his_fleet(), board);
  // At least one computer turn, whatever state the command starts from (even right after an
  // earlier simulated game ended in ComputerWon), then on until the computer has won.
  do {
    start_computer_turn();
    if (match_.settings().AutomaticMode == 0) {
      match_.take_real_hits();
      check_computer_won();
    }
  } while (match_.play_state() != PlayState::ComputerWon);
  silent_ = false;
  view_.game_changed();
}

}  // namespace vornmark
