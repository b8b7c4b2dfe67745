#pragma once
// A 30 x 30 match twenty volleys into a game: the computer's fleet hidden at random, ten shots a
// volley at cells drawn from a fixed sequence, the hits recorded on the computer's ships as the
// resolution of the player's volleys records them. The hint's benchmarks count from it.

#include <cstdlib>
#include <random>

#include "report/platform.h"
#include "setup/match.h"
#include "setup/start_up.h"

namespace vornmark::bench {

class QuietBenchPlatform : public Platform {
 public:
  BoxAnswer message_box(const MessageBoxRequest&) override { return BoxAnswer::Ok; }
  void beep() override {}
  void set_busy_cursor(bool) override {}
  [[noreturn]] void exit_process(int code) override { std::exit(code); }
};

inline void fire_player_volleys(Match& match, int grid, int volleys) {
  StartUpOptions options;
  options.command_line = "-D3";
  start_up(match, options);
  match.mutable_settings().MaxCells = grid;
  match.resize_boards_to_grid();
  match.new_game(Match::Counted::No);
  std::mt19937 cells(20);
  for (int volley = 1; volley <= volleys; ++volley) {
    match.mutable_counters().player_volley = volley;
    for (int shot = 0; shot < 10;) {
      const int x = static_cast<int>(cells() % static_cast<unsigned>(grid));
      const int y = static_cast<int>(cells() % static_cast<unsigned>(grid));
      if (match.his_shots().at(x, y) != 0) continue;
      match.mutable_his_shots().record_shot(volley, x, y);
      const int id = match.my_sea().at(x, y);
      if (id != 0) match.score_player_hit(id - 1);
      ++shot;
    }
  }
}

}  // namespace vornmark::bench
