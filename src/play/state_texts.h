#pragma once
// The legend and the status button of each state: one source for painting and the drivers.

#include <optional>
#include <string>

#include "play/scene.h"

namespace vornmark {

class Match;

struct StatusButton {
  const char* text;
  Colour colour;
};

// The legend text at the top left; empty in Idle and FleetRevealed.
std::string legend_text(const Match& match);
// The status button's text and colour; none in Idle.
std::optional<StatusButton> status_button(const Match& match);

}  // namespace vornmark
