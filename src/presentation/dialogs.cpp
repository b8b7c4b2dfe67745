#include "presentation/dialogs.h"

#include <cctype>

#include "play/play_flow.h"
#include "setup/game.h"

namespace vornmark {

namespace {

void dialog_error_box(Game& game, const char* caption, const char* text) {
  MessageBoxRequest request;
  request.owner = BoxOwner::Dialog;
  request.caption = caption;
  request.text = text;
  game.platform().message_box(request);
}

}  // namespace

unsigned long dialog_number(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  const std::size_t digits_start = i;
  unsigned long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + static_cast<unsigned>(text[i] - '0');
    if (value > 0xFFFFFFFFull) return 0;
  }
  if (i == digits_start) return 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  return i == text.size() ? static_cast<unsigned long>(value) : 0;
}

OptionsDialogState options_dialog_init(const Game& game) {
  OptionsDialogState state;
  const GameSettings& s = game.settings;
  if (s.DefenseMode != 0)
    state.mode = OptionsDialogState::Mode::Offense;
  else if (s.AutomaticMode != 0)
    state.mode = OptionsDialogState::Mode::Automatic;
  else
    state.mode = OptionsDialogState::Mode::Manual;
  state.who_starts = game.who_starts;
  state.threshold_text = std::to_string(static_cast<unsigned>(s.AmbiguityThreshold));
  state.shots_text = std::to_string(static_cast<unsigned>(s.NumberOfShots));
  state.level = s.PlayLevel >= 0 && s.PlayLevel <= 2 ? s.PlayLevel : -1;
  return state;
}

DialogOkResult options_dialog_ok(PlayFlow& flow, const OptionsDialogState& state) {
  Game& game = flow.game();
  GameSettings& s = game.settings;
  // Each choice leads to the mode chosen, from Offense too.
  switch (state.mode) {
    case OptionsDialogState::Mode::Automatic:
      if (s.AutomaticMode == 0 || s.DefenseMode != 0) flow.enter_place_mode();
      break;
    case OptionsDialogState::Mode::Manual:
      if (s.AutomaticMode != 0 || s.DefenseMode != 0) {
        s.AutomaticMode = 0;
        s.DefenseMode = 0;
        flow.new_game_from_options();
      }
      break;
    case OptionsDialogState::Mode::Offense:
      if (s.DefenseMode == 0) {
        s.DefenseMode = 1;
        game.random.seed(clock_seed());
        flow.new_game_from_options();
      }
      break;
  }
  if (state.level >= 0 && state.level <= 2) s.PlayLevel = state.level;
  game.who_starts = state.who_starts;

  const unsigned long threshold = dialog_number(state.threshold_text);
  if (threshold < 1 || threshold > 30) {
    game.report.warning_box("Ambiguity Threshold must be between 1 and 30");
    return {false, DialogFocus::Threshold};
  }
  s.AmbiguityThreshold = static_cast<int>(threshold);

  const unsigned long shots = dialog_number(state.shots_text);
  if (shots < 1 || shots > 10) {
    dialog_error_box(game, "Error", "Shots per volley must be between 1 and 10");
    return {false, DialogFocus::Shots};
  }
  s.NumberOfShots = static_cast<int>(shots);
  return {true, DialogFocus::None};
}

std::string geometry_dialog_init(const Game& game) {
  return std::to_string(static_cast<unsigned>(game.settings.MaxCells));
}

DialogOkResult geometry_dialog_ok(Game& game, std::string_view grid_text) {
  const unsigned long grid = dialog_number(grid_text);
  if (grid < static_cast<unsigned long>(kMinGrid) || grid > static_cast<unsigned long>(kMaxGrid)) {
    dialog_error_box(game, "Grid size error", "Grid size must be between 4 and 30");
    return {false, DialogFocus::None};
  }
  game.settings.MaxCells = static_cast<int>(grid);
  return {true, DialogFocus::None};
}

void resize_boards_to_grid(Game& game) {
  const int grid = game.grid();
  for (Board* board : {&game.tally, &game.his_sea, &game.his_real_ships, &game.his_shots, &game.my_shots,
                       &game.my_sea})
    board->set_size(grid, grid);
  for (Board& board : game.ship_tallies) board.set_size(grid, grid);
}

PacingDialogState pacing_dialog_init(const Game& game) {
  return {game.settings.PausePlayer != 0, game.settings.PauseVornmark != 0};
}

void pacing_dialog_ok(Game& game, const PacingDialogState& state) {
  game.settings.PauseVornmark = state.pause_after_vornmark ? 1 : 0;
  game.settings.PausePlayer = state.pause_after_player ? 1 : 0;
}

}  // namespace vornmark
