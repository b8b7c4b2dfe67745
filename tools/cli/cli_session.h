#pragma once
// One run of the scripted program: the match started up from the command line, the settings and
// the data folders, with its view, flow, recorder and driver. `restart` ends one as File/Exit
// does, keeping the game in the state folder, and starts the next, which resumes it.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "script_driver.h"

namespace vornmark::cli {

// The file the scripted program keeps its game in across `restart`, in the same state folder as
// the desktop program's "game", which it never reads or writes.
inline constexpr const char* kCliGameFileName = "cli-game";

class CliSession {
 public:
  // A new run; `title` is the window title as last printed.
  CliSession(EventPrinter& printer, bool cancel_warnings, const std::string& command_line, const std::string& title);

  ScriptDriver& driver() { return driver_; }
  PlayFlow& flow() { return flow_; }
  CliView& view() { return view_; }
  const std::string& command_line() const { return command_line_; }
  bool cancel_warnings() const { return cancel_warnings_; }

 private:
  bool cancel_warnings_;
  std::string command_line_;
  CliPlatform platform_;
  Match match_;
  bool started_;  // the match started up before the flow is made on it
  CliView view_;
  PlayFlow flow_;
  GameRecorder recorder_;
  Layout layout_;
  ScriptDriver driver_;
};

// Where `restart` keeps the game; none without a state folder.
std::optional<std::filesystem::path> cli_game_file();

// Ends the run as File/Exit does (the settings, the statistics and the game saved), starts a new
// one with the same arguments and folders, and resumes the game in it. Prints nothing when the
// game resumes as it was; an error line when it could not be kept or read back.
std::unique_ptr<CliSession> restart(std::unique_ptr<CliSession> session, EventPrinter& printer);

}  // namespace vornmark::cli
