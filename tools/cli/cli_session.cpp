#include "cli_session.h"

#include "setup/game_file.h"
#include "setup/settings_file.h"
#include "setup/start_up.h"
#include "setup/statistics_file.h"

namespace vornmark::cli {

namespace {

StartUpOptions start_up_options(const std::string& command_line) {
  StartUpOptions options;
  options.command_line = command_line;
  options.settings_dir = default_settings_dir();
  return options;
}

}  // namespace

CliSession::CliSession(EventPrinter& printer, bool cancel_warnings, const std::string& command_line,
                       const std::string& title)
    : cancel_warnings_(cancel_warnings),
      command_line_(command_line),
      platform_(printer, cancel_warnings),
      match_(platform_),
      started_((start_up(match_, start_up_options(command_line)), true)),
      view_(printer, title),
      flow_(match_, view_),
      recorder_(platform_, default_statistics_dir()),
      driver_(flow_, view_, layout_, printer, &recorder_) {
  flow_.set_recorder(&recorder_);
  layout_window(layout_, match_, 1000, 700);
}

std::optional<std::filesystem::path> cli_game_file() {
  const std::optional<std::filesystem::path> dir = game_state_directory();
  if (!dir) return std::nullopt;
  return *dir / kCliGameFileName;
}

std::unique_ptr<CliSession> restart(std::unique_ptr<CliSession> session, EventPrinter& printer) {
  const std::optional<std::filesystem::path> file = cli_game_file();
  const std::string text = session->driver().game_to_keep();
  const bool kept = file && write_game_file(*file, text);
  session->driver().exit_game(kept ? GameRecorder::GameInPlay::Kept : GameRecorder::GameInPlay::Abandoned);
  if (!kept) printer.line("error", "The game could not be kept: there is no state folder to keep it in.");

  const bool cancel_warnings = session->cancel_warnings();
  const std::string command_line = session->command_line();
  const std::string title = session->view().title();
  // Printing the sounds is the script's choice, not the program's: it outlives the restart.
  const bool prints_sounds = session->view().prints_sounds();
  session.reset();
  session = std::make_unique<CliSession>(printer, cancel_warnings, command_line, title);
  session->view().print_sounds(prints_sounds);
  if (!kept) return session;

  const GameFileText read = read_game_file(*file);
  std::string why = "the file could not be read";
  session->view().set_resuming(true);
  const bool resumed = read.status == GameFileStatus::Read && session->driver().resume(read.text, &why);
  session->view().set_resuming(false);
  if (!resumed) printer.line("error", "The game could not be resumed: " + why);
  return session;
}

}  // namespace vornmark::cli
