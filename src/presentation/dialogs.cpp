#include "presentation/dialogs.h"

#include <cctype>

#include "play/play_flow.h"
#include "play/view.h"
#include "setup/match.h"

namespace vornmark {

namespace {

void dialog_error_box(const Match& match, const char* caption, const char* text) {
  MessageBoxRequest request;
  request.owner = BoxOwner::Dialog;
  request.caption = caption;
  request.text = text;
  match.platform().message_box(request);
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

OptionsDialogState options_dialog_init(const Match& match) {
  OptionsDialogState state;
  const GameSettings& s = match.settings();
  if (s.DefenseMode != 0)
    state.mode = OptionsDialogState::Mode::Offense;
  else if (s.AutomaticMode != 0)
    state.mode = OptionsDialogState::Mode::Automatic;
  else
    state.mode = OptionsDialogState::Mode::Manual;
  state.who_starts = match.who_starts();
  state.threshold_text = std::to_string(static_cast<unsigned>(s.AmbiguityThreshold));
  state.shots_text = std::to_string(static_cast<unsigned>(s.NumberOfShots));
  state.level = s.PlayLevel >= kNovice && s.PlayLevel <= kExpert ? s.PlayLevel : -1;
  return state;
}

namespace {

DialogOkResult apply_options(PlayFlow& flow, const OptionsDialogState& state) {
  Match& match = flow.match();
  GameSettings& s = match.mutable_settings();
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
        match.random().seed(clock_seed());
        flow.new_game_from_options();
      }
      break;
  }
  if (state.level >= kNovice && state.level <= kExpert) s.PlayLevel = state.level;
  match.set_who_starts(state.who_starts);

  const unsigned long threshold = dialog_number(state.threshold_text);
  if (!in_range(SettingId::AmbiguityThreshold, threshold)) {
    match.report().warning_box("Ambiguity Threshold must be between 1 and 30");
    return {false, DialogFocus::Threshold};
  }
  s.AmbiguityThreshold = static_cast<int>(threshold);

  const unsigned long shots = dialog_number(state.shots_text);
  if (!in_range(SettingId::NumberOfShots, shots)) {
    dialog_error_box(match, "Error", "Shots per volley must be between 1 and 10");
    return {false, DialogFocus::Shots};
  }
  s.NumberOfShots = static_cast<int>(shots);
  return {true, DialogFocus::None};
}

}  // namespace

DialogOkResult options_dialog_ok(PlayFlow& flow, const OptionsDialogState& state) {
  const DialogOkResult result = apply_options(flow, state);
  // The game is played under what OK set, even where a later check failed: it is kept.
  flow.view().game_changed();
  return result;
}

std::string geometry_dialog_init(const Match& match) {
  return std::to_string(static_cast<unsigned>(match.settings().MaxCells));
}

DialogOkResult geometry_dialog_ok(Match& match, std::string_view grid_text) {
  const unsigned long grid = dialog_number(grid_text);
  if (!in_range(SettingId::MaxCells, grid)) {
    dialog_error_box(match, "Grid size error", "Grid size must be between 4 and 30");
    return {false, DialogFocus::None};
  }
  match.mutable_settings().MaxCells = static_cast<int>(grid);
  return {true, DialogFocus::None};
}

PacingDialogState pacing_dialog_init(const Match& match) {
  return {match.settings().PausePlayer != 0, match.settings().PauseVornmark != 0};
}

void pacing_dialog_ok(Match& match, const PacingDialogState& state) {
  GameSettings& settings = match.mutable_settings();
  settings.PauseVornmark = state.pause_after_vornmark ? 1 : 0;
  settings.PausePlayer = state.pause_after_player ? 1 : 0;
}

}  // namespace vornmark
