#pragma once
// The one main window: the menu and its commands, the game's surface, the view the play flow
// talks to, and the saving of the settings.

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <memory>

#include "play/game_recorder.h"
#include "play/play_flow.h"
#include "presentation/layout.h"
#include "window/help_window.h"
#include "window/sound_player.h"
#include "window/window_view.h"

namespace vornmark {

class Match;
class GameKeeper;
class GameSurface;
class Printers;
class QtPlatform;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The window of the given size (the available screen), titled "Vornmark", with the menu;
  // the Simulation command is on the menu bar when the switch D0 is on now.
  MainWindow(Match& match, QtPlatform& platform, QSize size);
  // Saves the settings, the game in progress when it is kept, and the statistics with a game in
  // play abandoned unless it is kept.
  ~MainWindow() override;

  // Writes the settings file now (atomically); done when the window goes, at a session's
  // commit-data request and on SIGTERM.
  void write_settings();

  // From now on keeps the game in progress in the state folder `dir`, resuming the game kept
  // there; a note for the player, when the start needs one, shows once the event loop runs.
  void keep_game_in(const std::filesystem::path& dir);
  // Writes the game in progress now, once the writer's thread is done; done when the window
  // goes, at a session's commit-data request and on SIGTERM. True when the game is in its file.
  bool keep_game_now();
  const GameKeeper* keeper() const { return keeper_.get(); }

  // Runs a menu command by its id; ids that name no command do nothing.
  void handle_command(int id);

  // The menu item of a command, or null.
  QAction* action(int id) const;
  GameSurface* surface() const { return surface_; }
  Layout& layout() { return layout_; }
  PlayFlow& flow() { return flow_; }
  GameRecorder& recorder() { return recorder_; }
  const SoundPlayer& sounds() const { return sounds_; }
  HelpWindow* help_window() const { return help_.data(); }
  // Where File/Print prints; the system's default printer unless replaced.
  void set_printers(std::unique_ptr<Printers> printers);

 private:
  void build_menu();
  QAction* add_command(QMenu* menu, const QString& text, int id);
  // Options/Language: the player's language, from the next start.
  void build_language_menu(QMenu* options);
  void choose_language_item(const QString& code, const QString& name);
  void options();
  void geometry();
  void pacing();
  void statistics();
  void help();
  void about();
  void print();
  void game_changed();
  // Shows a note for the player once the event loop runs (not inside a step of the game).
  void tell_later(const std::string& note);

  Match& match_;
  QtPlatform& platform_;
  Layout layout_;
  GameSurface* surface_;
  SoundPlayer sounds_;  // loaded once, here
  WindowView view_;
  GameRecorder recorder_;  // in $XDG_DATA_HOME/vornmark as the window is made
  PlayFlow flow_;
  std::unique_ptr<Printers> printers_;
  QPointer<HelpWindow> help_;
  std::unique_ptr<GameKeeper> keeper_;  // after the flow, which it reads until it goes
};

}  // namespace vornmark
