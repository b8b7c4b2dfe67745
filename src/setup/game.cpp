#include "setup/game.h"

namespace vornmark {

Game::Game(Platform& platform)
    : report(platform),
      my_fleet{Ship(report), Ship(report), Ship(report), Ship(report)},
      his_fleet{Ship(report), Ship(report), Ship(report), Ship(report)},
      my_sea(report, "MY SEA"),
      my_shots(report, "MY SHOTS"),
      his_sea(report, "HIS SEA"),
      his_shots(report, "HIS SHOTS"),
      his_real_ships(report, "HIS REAL SHIPS"),
      tally(report, "Tally"),
      wk_tots(report, "WK_TOTS"),
      ship_tallies{Board(report), Board(report), Board(report), Board(report)},
      temp_tally(report, "Temp tally") {}

}  // namespace vornmark
