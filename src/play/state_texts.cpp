#include "play/state_texts.h"

#include "report/reporter.h"
#include "setup/match.h"

namespace vornmark {

std::string legend_text(const Match& match) {
  switch (match.play_state()) {
    case PlayState::ComputerVolleyShown:
      return match.settings().AutomaticMode != 0 ? "This is where Vornmark has fired"
                                                 : "Click on what Vornmark has hit";
    case PlayState::PlayerAiming:
      return format_text("Shots left: %2d      ",
                         match.counters().player_shots_per_volley - match.counters().next_shot + 1);
    case PlayState::PlayerVolleyShown:
      return "What you hit  ";
    case PlayState::ComputerWon:
      return "You sleep with the fishes";
    case PlayState::PlayerWon:
      return "Congratulations, Captain";
    case PlayState::Placing:
      return "Place ships.\n[1] Click on ship to select, then click on grid to place the ship\n"
             "[2] Right-mouse click to rotate\n[3] Choose File/New Game to play";
    case PlayState::Idle:
    case PlayState::FleetRevealed:
      break;
  }
  return "";
}

std::optional<StatusButton> status_button(const Match& match) {
  switch (match.play_state()) {
    case PlayState::Idle:
      return std::nullopt;
    case PlayState::ComputerVolleyShown:
      return StatusButton{"Click here to Continue", Colour::SpringGreen};
    case PlayState::PlayerAiming:
      if (match.counters().next_shot <= match.counters().player_shots_per_volley)
        return StatusButton{"Click on grid to fire shots", Colour::Grey};
      return StatusButton{"Click here to see what you hit", Colour::Red};
    case PlayState::PlayerVolleyShown:
      return StatusButton{"Click here to Continue", Colour::LightCyan};
    case PlayState::ComputerWon:
      return StatusButton{"Click here to Show my ships", Colour::Orange};
    case PlayState::PlayerWon:
      return StatusButton{"Click here to Play again", Colour::Orange};
    case PlayState::Placing:
      return StatusButton{"Click here to Scatter", Colour::White};
    case PlayState::FleetRevealed:
      return StatusButton{"Click here to Play again", Colour::Orange};
  }
  return std::nullopt;
}

}  // namespace vornmark
