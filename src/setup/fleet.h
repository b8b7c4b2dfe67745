#pragma once
// A fleet: the four ships of one side in id order, and the shapes every fleet is described with.

#include <array>

#include "model/ship.h"

namespace vornmark {

class Reporter;

constexpr int kFleetSize = 4;
using Fleet = std::array<Ship, kFleetSize>;

enum ShipIndex { kCorvette = 0, kDestroyer = 1, kBattleship = 2, kSubmarine = 3 };

// Four ships that report through the reporter, not yet described.
Fleet make_fleet(Reporter& reporter);
// Describes the four ships ("<owner> Corvette" and so on) in the order start-up uses.
void describe_fleet(Fleet& fleet, const char* owner);

}  // namespace vornmark
