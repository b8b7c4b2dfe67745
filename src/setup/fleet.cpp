#include "setup/fleet.h"

#include <string>

namespace vornmark {

Fleet make_fleet(Reporter& reporter) { return {Ship(reporter), Ship(reporter), Ship(reporter), Ship(reporter)}; }

void describe_fleet(Fleet& fleet, const char* owner) {
  const std::string prefix = owner;
  fleet[kBattleship].describe(prefix + " Battleship", 4, 3, {{0, 0}, {0, 1}, {0, 2}, {0, 3}});
  fleet[kCorvette].describe(prefix + " Corvette", 2, 1, {{0, 0}, {0, 1}});
  fleet[kDestroyer].describe(prefix + " Destroyer", 3, 2, {{0, 0}, {0, 1}, {0, 2}});
  fleet[kSubmarine].describe(prefix + " Submarine", 3, 4, {{0, 0}, {1, 1}, {2, 2}});
}

}  // namespace vornmark
