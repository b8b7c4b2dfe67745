#include "script_driver.h"

#include <cstdlib>
#include <optional>
#include <vector>

#include "cli_statistics.h"
#include "cli_text.h"
#include "play/state_texts.h"
#include "presentation/dialogs.h"
#include "presentation/place_names.h"
#include "setup/settings_file.h"

namespace vornmark::cli {

void EventPrinter::line(std::string_view word, std::string_view text) { raw(std::string(word) + " " + escape(text)); }

void EventPrinter::raw(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), out_);
  std::fputc('\n', out_);
  std::fflush(out_);
}

BoxAnswer CliPlatform::message_box(const MessageBoxRequest& request) {
  if (request.buttons == BoxButtons::OkCancel) {
    printer_.line("warning", request.text);
    return cancel_warnings_ ? BoxAnswer::Cancel : BoxAnswer::Ok;
  }
  printer_.line(request.caption == "Error" ? "error" : "box", request.text);
  return BoxAnswer::Ok;
}

void CliPlatform::exit_process(int code) {
  std::fflush(nullptr);
  std::exit(code);
}

void CliView::set_title(std::string_view title) {
  if (resuming_ && title == title_) return;
  title_ = std::string(title);
  printer_.line("title", title);
}

void CliView::play_sound(Sound sound) {
  if (print_sounds_) printer_.raw("sound " + std::string(sound_name(sound)));
}

namespace {

int centre(int low, int high) { return (low + high) / 2; }

// A dialog setting written KEY=VALUE; false when the word has no '='.
bool split_setting(std::string_view word, std::string_view& key, std::string_view& value) {
  const std::size_t equals = word.find('=');
  if (equals == std::string_view::npos) return false;
  key = word.substr(0, equals);
  value = word.substr(equals + 1);
  return true;
}

const Board* board_named(const PlayFlow& flow, std::string_view name) {
  const Match& match = flow.match();
  for (const Board* board :
       {&match.my_sea(), &match.my_shots(), &flow.opponent().his_sea(), &match.his_shots(), &match.his_real_ships()})
    if (name == board->display_name()) return board;
  return nullptr;
}

}  // namespace

LineResult ScriptDriver::run_line(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  // Comments start with '#' in the very first column; a blank line is skipped too.
  if (!line.empty() && line.front() == '#') return LineResult::Next;
  const std::vector<std::string_view> w = words(line);
  if (w.empty()) return LineResult::Next;
  const std::string_view command = w[0];
  bool ok = true;
  if (command == "new" && w.size() == 1) {
    flow_.start_new_game();
  } else if (command == "place" && w.size() == 1) {
    flow_.enter_place_mode();
  } else if (command == "simulate" && w.size() == 1) {
    flow_.run_simulation();
  } else if (command == "exit" && w.size() == 1) {
    return LineResult::Exit;
  } else if (command == "restart" && w.size() == 1) {
    return LineResult::Restart;
  } else if (command == "press" || command == "rpress") {
    ok = press(line, command == "rpress");
  } else if (command == "release" && w.size() == 1) {
    flow_.on_left_release();
  } else if (command == "key" && w.size() == 2) {
    ok = key(w[1]);
  } else if (command == "focus" && w.size() == 1) {
    printer_.line("focus", describe_focus(match_, flow_.scene(), focus_.place(match_.grid())));
  } else if (command == "options") {
    ok = options(line);
  } else if (command == "pacing") {
    ok = pacing(line);
  } else if (command == "display") {
    ok = display(line);
  } else if (command == "scheme" && w.size() == 2 && (w[1] == "0" || w[1] == "1" || w[1] == "2")) {
    flow_.choose_colour_scheme(w[1][0] - '0');
  } else if (command == "hint" && w.size() == 1) {
    hint();
  } else if (command == "view" && w.size() == 1) {
    const Reasoner& reasoner = flow_.opponent().reasoner();
    counts(reasoner.cumulative(), reasoner.possib(), match_.his_fleet());
  } else if (command == "state" && w.size() == 1) {
    state();
  } else if (command == "legend" && w.size() == 1) {
    printer_.line("legend", legend_text(match_));
  } else if (command == "status" && w.size() == 1) {
    const auto button = status_button(match_);
    printer_.line("status", button ? button->text : "");
  } else if (command == "title" && w.size() == 1) {
    printer_.line("title", view_.title());
  } else if (command == "board" && w.size() > 1) {
    const std::size_t start = line.find("board") + 5;
    std::string_view name = line.substr(start);
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    ok = board(name);
  } else if (command == "fleet" && w.size() == 2) {
    ok = fleet(w[1]);
  } else if (command == "sounds" && w.size() == 2 && (w[1] == "on" || w[1] == "off")) {
    view_.print_sounds(w[1] == "on");
  } else if (command == "statistics" && w.size() == 1 && recorder_ != nullptr) {
    printer_.line("statistics", statistics_line(recorder_->statistics(), match_.settings(), flow_.hint_on()));
  } else {
    ok = false;
  }
  if (!ok) bad_command(line);
  return LineResult::Next;
}

void ScriptDriver::bad_command(std::string_view line) { printer_.line("bad command", line); }

bool ScriptDriver::press(std::string_view line, bool right) {
  const std::vector<std::string_view> w = words(line);
  int x = 0;
  int y = 0;
  if (w.size() == 3) {
    const auto px = parse_int(w[1]);
    const auto py = parse_int(w[2]);
    if (!px || !py) return false;
    x = *px;
    y = *py;
  } else if (w.size() == 4 && (w[1] == "grid" || w[1] == "panel")) {
    const auto a = parse_int(w[2]);
    const auto b = parse_int(w[3]);
    if (!a || !b) return false;
    Rect rect;
    if (w[1] == "grid") {
      rect = grid_cell_rect(layout_, *a, *b);
    } else {
      if (*a < 0 || *a > 3) return false;
      rect = panel_cell_rect(layout_, *a, *b);
    }
    x = centre(rect.left, rect.right);
    y = centre(rect.top, rect.bottom);
  } else if (w.size() == 2 && w[1] == "status") {
    x = centre(layout_.status_rect.left, layout_.status_rect.right);
    y = centre(layout_.status_rect.top, layout_.status_rect.bottom);
  } else {
    return false;
  }
  const ClickTarget target = classify_click(layout_, pack_position(x, y));
  if (right)
    flow_.on_right_press(target);
  else
    flow_.on_left_press(target);
  return true;
}

// A key is pressed and released at once.
bool ScriptDriver::key(std::string_view name) {
  const std::optional<Key> key = key_named(name);
  if (!key) return false;
  press_key(flow_, layout_, focus_, *key);
  release_key(flow_, *key);
  return true;
}

bool ScriptDriver::options(std::string_view line) {
  OptionsDialogState dialog = options_dialog_init(match_);
  const std::vector<std::string_view> w = words(line);
  // Every setting is checked before the dialog is touched, so a malformed line changes nothing.
  for (std::size_t i = 1; i < w.size(); ++i) {
    std::string_view key, value;
    if (!split_setting(w[i], key, value)) return false;
    if (key == "mode") {
      if (value == "automatic")
        dialog.mode = OptionsDialogState::Mode::Automatic;
      else if (value == "manual")
        dialog.mode = OptionsDialogState::Mode::Manual;
      else if (value == "offense")
        dialog.mode = OptionsDialogState::Mode::Offense;
      else
        return false;
    } else if (key == "starts") {
      if (value == "you")
        dialog.who_starts = WhoStarts::You;
      else if (value == "computer")
        dialog.who_starts = WhoStarts::Computer;
      else
        return false;
    } else if (key == "level") {
      if (value == "novice")
        dialog.level = 0;
      else if (value == "intermediate")
        dialog.level = 1;
      else if (value == "advanced")
        dialog.level = 2;
      else if (value == "expert")
        dialog.level = 3;
      else
        return false;
    } else if (key == "threshold") {
      dialog.threshold_text = std::string(value);
    } else if (key == "shots") {
      dialog.shots_text = std::string(value);
    } else {
      return false;
    }
  }
  if (!options_dialog_ok(flow_, dialog).close) printer_.raw("dialog cancelled");
  return true;
}

bool ScriptDriver::pacing(std::string_view line) {
  PacingDialogState dialog = pacing_dialog_init(match_);
  const std::vector<std::string_view> w = words(line);
  for (std::size_t i = 1; i < w.size(); ++i) {
    std::string_view key, value;
    if (!split_setting(w[i], key, value)) return false;
    if (value != "0" && value != "1") return false;
    if (key == "player")
      dialog.pause_after_player = value == "1";
    else if (key == "vornmark")
      dialog.pause_after_vornmark = value == "1";
    else
      return false;
  }
  pacing_dialog_ok(match_, dialog);
  return true;
}

bool ScriptDriver::display(std::string_view line) {
  const std::vector<std::string_view> w = words(line);
  std::optional<bool> hint, view;
  for (std::size_t i = 1; i < w.size(); ++i) {
    std::string_view key, value;
    if (!split_setting(w[i], key, value) || (value != "0" && value != "1")) return false;
    if (key == "hint")
      hint = value == "1";
    else if (key == "view")
      view = value == "1";
    else
      return false;
  }
  if (hint) flow_.show_hint(*hint);
  if (view) flow_.show_vornmark_view(*view);
  return true;
}

void ScriptDriver::hint() { counts(flow_.hint().cumulative(), flow_.hint().placements(), match_.my_fleet()); }

void ScriptDriver::counts(const Board& counts, const std::array<int, kFleetSize>& placements, const Fleet& fleet) {
  const int grid = match_.grid();
  for (int row = 0; row < grid; ++row) {
    std::string text;
    for (int column = 0; column < grid; ++column) {
      if (column > 0) text += ' ';
      text += std::to_string(counts.at(column, row));
    }
    printer_.raw(text);
  }
  std::string ships = "ships";
  for (int i = 0; i < kFleetSize; ++i) {
    const bool sunk = fleet[static_cast<std::size_t>(i)].cells_left() <= 0;
    ships += " " + std::to_string(sunk ? 0 : placements[static_cast<std::size_t>(i)]);
  }
  printer_.raw(ships);
  printer_.raw("end");
}

bool ScriptDriver::board(std::string_view name) {
  const Board* board = board_named(flow_, name);
  if (board == nullptr) return false;
  const int grid = match_.grid();
  for (int row = 0; row < grid; ++row) {
    std::string text;
    for (int column = 0; column < grid; ++column) {
      if (column > 0) text += ' ';
      text += std::to_string(board->at(column, row));
    }
    printer_.raw(text);
  }
  printer_.raw("end");
  return true;
}

bool ScriptDriver::fleet(std::string_view side) {
  const Fleet* fleet = side == "my" ? &match_.my_fleet() : side == "his" ? &match_.his_fleet() : nullptr;
  if (fleet == nullptr) return false;
  for (const Ship& ship : *fleet) {
    std::string text = std::string(ship.display_name()) + " cells";
    for (int i = 0; i < ship.cell_count(); ++i)
      text += " " + std::to_string(ship.cells()[i].x) + "," + std::to_string(ship.cells()[i].y);
    text += " hits";
    for (int slot = 0; slot < ship.cell_count(); ++slot)
      if (ship.hit_at(slot) != 0) text += " " + std::to_string(ship.hit_at(slot));
    printer_.raw(text);
  }
  return true;
}

void ScriptDriver::state() {
  const VolleyCounters& c = match_.counters();
  const GameSettings& s = match_.settings();
  printer_.raw(
      format_text("state %d player_volley %d computer_volley %d next_shot %d player_shots %d "
                  "computer_shots %d level %d automatic %d defense %d simulation %d selected %d",
                  static_cast<int>(match_.play_state()), c.player_volley, c.computer_volley, c.next_shot,
                  c.player_shots_per_volley, c.computer_shots_per_volley, s.PlayLevel, s.AutomaticMode, s.DefenseMode,
                  match_.simulation_mode(), flow_.scene().selected_ship));
}

void ScriptDriver::exit_game(GameRecorder::GameInPlay game) {
  save_settings(match_.settings(), match_.settings_dir());
  if (recorder_ != nullptr) recorder_->program_ends(game);
}

std::string ScriptDriver::game_to_keep() {
  flow_.keep_focus(focus_.held());
  return flow_.saved_game();
}

bool ScriptDriver::resume(std::string_view text, std::string* why) {
  if (!flow_.resume(text, why)) return false;
  focus_.hold(flow_.scene().focus);
  // Laid out again for the grid of the game resumed.
  layout_window(layout_, match_, 1000, 700);
  return true;
}

}  // namespace vornmark::cli
