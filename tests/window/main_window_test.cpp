// The main window: its menu, the commands reaching the play flow, presses at the pixels the
// layout computes, the cursor over the grid, what a grab of the window shows, and the saving
// of the settings when the window goes, also when the program is sent SIGTERM, and the keeping of
// the game in progress by one copy at a time.

#include "window/main_window.h"

#include <signal.h>

#include <QAction>
#include <QFile>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "play/state_texts.h"
#include "presentation/canvas.h"
#include "setup/game_file.h"
#include "setup/settings_file.h"
#include "setup/settings_file_ops.h"
#include "setup/statistics_file.h"
#include "support/temp_dir.h"
#include "window/game_keeper.h"
#include "window/game_surface.h"
#include "window/menu_commands.h"
#include "window/sight_cursor.h"
#include "window/sound_player.h"
#include "window_test_support.h"

using namespace vornmark;
using namespace vornmark::testing;

namespace {

// A game started with these switches and its main window on the screen.
struct Running {
  explicit Running(const std::string& switches = "-D3", const std::filesystem::path& settings_dir = {})
      : match(started_match(platform, switches, settings_dir)),
        window(std::make_unique<MainWindow>(*match, platform, QSize(1000, 760))) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }

  GameSurface* surface() const { return window->surface(); }
  const Layout& layout() const { return window->layout(); }
  void command(int id) { window->action(id)->trigger(); }
  void press_at(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(surface(), button, Qt::NoModifier, at);
    QTest::mouseRelease(surface(), button, Qt::NoModifier, at);
  }
  void press_cell(int column, int row) { press_at(grid_cell_centre(layout(), column, row)); }
  void press_status() { press_at(rect_centre(layout().status_rect)); }
  QImage grab() const { return surface()->grab().toImage(); }
  Rgb background() const {
    const QColor colour = surface()->palette().color(QPalette::Window);
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
  }

  TestPlatform platform;
  std::unique_ptr<Match> match;
  std::unique_ptr<MainWindow> window;
};

QStringList texts_of(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* action : actions) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return texts;
}

// Cells of a board holding a value, row by row.
std::vector<QPoint> cells_holding(const Board& board, int grid, bool (*wanted)(int)) {
  std::vector<QPoint> cells;
  for (int row = 0; row < grid; ++row)
    for (int column = 0; column < grid; ++column)
      if (wanted(board.cell(column, row))) cells.emplace_back(column, row);
  return cells;
}

// Whether the process has a handler for SIGTERM, as /proc shows it.
bool catches_sigterm(qint64 pid) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return false;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("SigCgt:")) return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
  return false;
}

bool is_ship(int value) { return value != 0; }
bool is_water(int value) { return value == 0; }

void move_mouse(QWidget* widget, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void menu_holds_the_commands_in_order();
  void simulation_is_offered_only_with_d0_at_creation();
  void menu_commands_reach_the_play_flow();
  void presses_aim_resolve_and_continue();
  void double_click_places_a_shot_and_takes_it_back();
  void holding_a_panel_hit_highlights_its_volley();
  void right_press_turns_a_placed_ship();
  void sight_shows_over_the_grid_only_while_aiming();
  void grabbed_window_shows_the_state_colours();
  void settings_are_written_when_the_window_goes();
  void warning_cancel_ends_without_saving();
  void program_saves_on_sigterm_not_on_sigkill();
  void game_is_kept_by_one_copy_and_not_abandoned();
};

void MainWindowTest::menu_holds_the_commands_in_order() {
  Running running;
  QCOMPARE(running.window->windowTitle(), QStringLiteral("Vornmark"));
  const QList<QAction*> bar = running.window->menuBar()->actions();
  QCOMPARE(texts_of(bar), (QStringList{"&File", "&Options", "&Help"}));
  QCOMPARE(texts_of(bar[0]->menu()->actions()), (QStringList{"&New Game", "P&lace", "&Print", "-", "E&xit"}));
  // The original items first, in their order; the additions after them.
  QCOMPARE(texts_of(bar[1]->menu()->actions()),
           (QStringList{"Misc.", "&Geometry", "&Pacing", "-", "&Hint", "Vornmark's &View", "&Statistics...", "-",
                        "&Colours", "S&ound", "&Language"}));
  // The languages, each named in itself, after the desktop's.
  const QStringList languages = texts_of(bar[1]->menu()->actions()[10]->menu()->actions());
  QCOMPARE(languages.size(), 12);
  QCOMPARE(languages.mid(0, 3), (QStringList{"The desktop's language", "English", "Deutsch"}));
  QCOMPARE(texts_of(bar[1]->menu()->actions()[8]->menu()->actions()),
           (QStringList{"&Classic", "Colour-&blind safe", "&High contrast"}));
  QCOMPARE(texts_of(bar[2]->menu()->actions()), (QStringList{"&Help...", "&About Vornmark..."}));

  for (int id : {kCommandNewGame, kCommandPlace, kCommandPrint, kCommandExit, kCommandMisc, kCommandPacing,
                 kCommandHelp, kCommandAbout}) {
    QVERIFY2(running.window->action(id) != nullptr, qPrintable(QString::number(id)));
    QVERIFY(running.window->action(id)->isEnabled());
  }
  QVERIFY(!running.window->action(kCommandGeometry)->isEnabled());
  QCOMPARE(running.window->size(), QSize(1000, 760));

  // The two checkable commands, H and V, follow and set their settings.
  for (const auto& [id, key] : {std::pair{kCommandHint, Qt::Key_H}, std::pair{kCommandVornmarkView, Qt::Key_V}}) {
    QAction* item = running.window->action(id);
    QCOMPARE(item->shortcut(), QKeySequence(key));
    QVERIFY(item->isCheckable() && !item->isChecked());
    item->trigger();
    QVERIFY(item->isChecked());
  }
  QCOMPARE(running.match->settings().Hint, 1);
  QCOMPARE(running.match->settings().VornmarkView, 1);
  running.window->action(kCommandHint)->trigger();
  QCOMPARE(running.match->settings().Hint, 0);
  // The sound, M, is on until switched off.
  QAction* sound = running.window->action(kCommandSound);
  QCOMPARE(sound->shortcut(), QKeySequence(Qt::Key_M));
  QVERIFY(sound->isCheckable() && sound->isChecked());
  sound->trigger();
  QVERIFY(!sound->isChecked());
  QCOMPARE(running.match->settings().Sound, 0);
}

void MainWindowTest::simulation_is_offered_only_with_d0_at_creation() {
  {
    Running running("-D3");
    QVERIFY(running.window->action(kCommandSimulation) == nullptr);
  }
  {
    Running running("-D3 -d0");
    const QList<QAction*> bar = running.window->menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QCOMPARE(bar.last()->text(), QStringLiteral("&Simulation"));
    QVERIFY(bar.last()->menu() == nullptr);  // a command on the bar, not a menu
    running.command(kCommandSimulation);
    QCOMPARE(running.match->play_state(), PlayState::ComputerWon);
    QCOMPARE(running.match->simulation_mode(), 1);
  }
  {
    // D0 switched on by -G at the first game comes too late for the menu.
    Running running("-D3 -G1");
    running.match->mutable_settings().AutomaticMode = 0;
    running.command(kCommandNewGame);
    QVERIFY(running.match->switches().on(0));
    QVERIFY(running.window->action(kCommandSimulation) == nullptr);
    QCOMPARE(running.window->menuBar()->actions().size(), 3);
  }
}

void MainWindowTest::menu_commands_reach_the_play_flow() {
  Running running;
  Match& match = *running.match;

  // Automatic mode without a placed fleet: the refusal names the first ship, owned by the window.
  running.command(kCommandNewGame);
  QCOMPARE(match.play_state(), PlayState::Idle);
  QCOMPARE(running.platform.boxes.size(), std::size_t{1});
  QCOMPARE(running.platform.boxes[0].caption, std::string("Error"));
  QCOMPARE(running.platform.boxes[0].text, std::string("Ship \"His Corvette\" not placed\nClick on 'File/Place'"));
  QCOMPARE(running.platform.boxes[0].owner_widget.data(), running.window.get());

  running.command(kCommandPlace);
  QCOMPARE(match.play_state(), PlayState::Placing);
  QCOMPARE(running.background(), colour_rgb(Colour::Yellow));
  running.press_status();  // Scatter
  for (const Ship& ship : match.his_fleet()) QVERIFY(ship.is_placed());

  running.command(kCommandNewGame);
  QCOMPARE(match.play_state(), PlayState::PlayerAiming);
  QCOMPARE(running.background(), colour_rgb(Colour::Teal));
  QCOMPARE(match.game_counter(), 1);

  // An id that names no command changes nothing.
  running.platform.boxes.clear();
  running.window->handle_command(999);
  QCOMPARE(match.play_state(), PlayState::PlayerAiming);
  QVERIFY(running.platform.boxes.empty());

  running.command(kCommandAbout);
  QCOMPARE(running.platform.boxes.size(), std::size_t{1});
  const TestPlatform::Box& about = running.platform.boxes[0];
  QCOMPARE(about.caption, std::string("Vornmark"));
  QCOMPARE(about.icon, BoxIcon::Information);
  QCOMPARE(about.buttons, BoxButtons::Ok);
  QCOMPARE(about.owner_widget.data(), running.window.get());
  QVERIFY(about.text.find(std::string("Version ") + VORNMARK_VERSION) != std::string::npos);

  running.command(kCommandHelp);
  HelpWindow* help = running.window->help_window();
  QVERIFY(help != nullptr);
  QVERIFY(help->isVisible());
  QCOMPARE(help->browser()->source(), kHelpContents);
  help->show_page(QUrl(QStringLiteral("qrc:/help/place.html")));
  running.command(kCommandHelp);  // the same window, back at the contents
  QCOMPARE(running.window->help_window(), help);
  QCOMPARE(help->browser()->source(), kHelpContents);

  running.command(kCommandExit);
  QVERIFY(!running.window->isVisible());
}

void MainWindowTest::presses_aim_resolve_and_continue() {
  // Whatever the sounds meet without an audio device, nothing of it is said.
  static QStringList messages;
  const QtMessageHandler before = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
    // The offscreen platform's own notes are not the sounds'.
    if (!text.startsWith(QStringLiteral("This plugin does not support"))) messages << text;
  });
  Running running;
  QVERIFY2(!running.window->sounds().has_output(), "the tests run without a sound server");
  const SoundPlayer& sounds = running.window->sounds();
  Match& match = *running.match;
  match.mutable_settings().NumberOfShots = 3;
  running.command(kCommandPlace);
  running.press_status();
  running.command(kCommandNewGame);
  QCOMPARE(match.counters().player_volley, 1);
  QCOMPARE(legend_text(match), std::string("Shots left:  3      "));

  const int grid = match.grid();
  const QPoint ship = cells_holding(match.my_sea(), grid, is_ship).front();
  const std::vector<QPoint> water = cells_holding(match.my_sea(), grid, is_water);
  running.press_cell(ship.x(), ship.y());
  QCOMPARE(sounds.last_asked(), Sound::Shot);
  running.press_cell(water[0].x(), water[0].y());
  QCOMPARE(match.his_shots().cell(ship.x(), ship.y()), 1);
  QCOMPARE(match.his_shots().cell(water[0].x(), water[0].y()), 1);
  QCOMPARE(match.counters().next_shot, 3);

  // The volley is incomplete: the button refuses with one beep.
  running.press_status();
  QCOMPARE(running.platform.beeps, 1);
  QCOMPARE(match.play_state(), PlayState::PlayerAiming);
  // A press beside the grid and the panels is nothing, and beeps.
  running.press_at({2, running.layout().status_rect.top - 4});
  QCOMPARE(running.platform.beeps, 2);

  running.press_cell(water[1].x(), water[1].y());
  QCOMPARE(status_button(match)->text, std::string("Click here to see what you hit"));
  running.press_status();
  QCOMPARE(match.play_state(), PlayState::PlayerVolleyShown);
  QCOMPARE(sounds.last_asked(), Sound::Hit1);
  const int hit_ship = match.my_sea().cell(ship.x(), ship.y()) - 1;
  QCOMPARE(match.my_fleet()[hit_ship].hit_at(0), 1);
  QCOMPARE(match.counters().player_shots_per_volley, 2);

  running.press_status();  // Continue: the computer's turn, waiting for the next Continue
  QCOMPARE(match.play_state(), PlayState::ComputerVolleyShown);
  QCOMPARE(match.counters().computer_volley, 2);
  QCOMPARE(running.window->windowTitle(), QStringLiteral("Vornmark A"));
  QCOMPARE(running.background(), colour_rgb(Colour::DarkGreen));
  int computer_shots = 0;
  for (int row = 0; row < grid; ++row)
    for (int column = 0; column < grid; ++column) computer_shots += match.my_shots().cell(column, row) == 2;
  QCOMPARE(computer_shots, 3);
  const std::optional<Sound> computers = sounds.last_asked();
  QVERIFY(computers == Sound::Computer || computers == Sound::ComputerHit || computers == Sound::Sunk);

  running.press_status();
  QCOMPARE(match.play_state(), PlayState::PlayerAiming);
  QCOMPARE(match.counters().player_volley, 2);
  QCOMPARE(legend_text(match), std::string("Shots left:  2      "));
  QCOMPARE(running.platform.beeps, 2);
  // Switched off, a shot is not even asked for.
  running.command(kCommandSound);
  QCOMPARE(match.settings().Sound, 0);
  running.press_cell(water[2].x(), water[2].y());
  QCOMPARE(match.counters().next_shot, 2);
  QCOMPARE(sounds.last_asked(), computers);

  qInstallMessageHandler(before);
  QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

void MainWindowTest::double_click_places_a_shot_and_takes_it_back() {
  Running running;
  Match& match = *running.match;
  match.mutable_settings().AutomaticMode = 0;
  running.command(kCommandNewGame);
  const QPoint at = grid_cell_centre(running.layout(), 4, 5);

  QTest::mousePress(running.surface(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(running.surface(), Qt::LeftButton, Qt::NoModifier, at);
  QCOMPARE(match.his_shots().cell(4, 5), 1);
  QMouseEvent second(QEvent::MouseButtonDblClick, at, running.surface()->mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(running.surface(), &second);
  QTest::mouseRelease(running.surface(), Qt::LeftButton, Qt::NoModifier, at);

  QCOMPARE(match.his_shots().cell(4, 5), 0);
  QCOMPARE(match.counters().next_shot, 1);
  QCOMPARE(running.platform.beeps, 0);
}

void MainWindowTest::holding_a_panel_hit_highlights_its_volley() {
  Running running;
  Match& match = *running.match;
  match.mutable_settings().AutomaticMode = 0;
  match.mutable_settings().NumberOfShots = 2;
  match.mutable_settings().DefenseMode = 1;  // no computer turns: the player fires volley after volley
  match.mutable_settings().PausePlayer = 0;
  running.command(kCommandNewGame);

  const int grid = match.grid();
  const QPoint ship = cells_holding(match.my_sea(), grid, is_ship).front();
  const QPoint water = cells_holding(match.my_sea(), grid, is_water).front();
  running.press_cell(ship.x(), ship.y());
  running.press_cell(water.x(), water.y());
  running.press_status();
  QCOMPARE(match.play_state(), PlayState::PlayerAiming);
  QCOMPARE(match.counters().player_volley, 2);

  const int hit_ship = match.my_sea().cell(ship.x(), ship.y()) - 1;
  const QPoint panel = rect_centre(panel_cell_rect(running.layout(), hit_ship, 0));
  QTest::mousePress(running.surface(), Qt::LeftButton, Qt::NoModifier, panel);
  QCOMPARE(running.window->flow().scene().highlight_volley, 1);
  QImage held = running.grab();
  QCOMPARE(pixel_rgb(held, grid_cell_corner(running.layout(), water.x(), water.y())), colour_rgb(Colour::Yellow));
  QCOMPARE(pixel_rgb(held, grid_cell_corner(running.layout(), ship.x(), ship.y())), colour_rgb(Colour::Yellow));

  QTest::mouseRelease(running.surface(), Qt::LeftButton, Qt::NoModifier, panel);
  QCOMPARE(running.window->flow().scene().highlight_volley, 0);
  QCOMPARE(pixel_rgb(running.grab(), grid_cell_corner(running.layout(), water.x(), water.y())),
           colour_rgb(Colour::Grey));
}

void MainWindowTest::right_press_turns_a_placed_ship() {
  Running running;
  Match& match = *running.match;
  running.command(kCommandPlace);
  // The selected Corvette laid at (6, 6) runs down from there.
  running.press_cell(6, 6);
  QCOMPARE(match.his_real_ships().cell(6, 6), 1);
  QCOMPARE(match.his_real_ships().cell(6, 7), 1);

  QTest::mousePress(running.surface(), Qt::RightButton, Qt::NoModifier, grid_cell_centre(running.layout(), 6, 7));
  QCOMPARE(match.his_real_ships().cell(6, 6), 1);
  QCOMPARE(match.his_real_ships().cell(6, 7), 0);
  QCOMPARE(running.platform.beeps, 0);

  // A right press on water beeps.
  QTest::mousePress(running.surface(), Qt::RightButton, Qt::NoModifier, grid_cell_centre(running.layout(), 0, 0));
  QCOMPARE(running.platform.beeps, 1);
}

void MainWindowTest::sight_shows_over_the_grid_only_while_aiming() {
  Running running;
  Match& match = *running.match;
  GameSurface* surface = running.surface();
  const Rect board = running.layout().board_rect;
  const QPoint inside = grid_cell_centre(running.layout(), 3, 3);
  const QPoint top_left(board.left, board.top);
  const QPoint right_edge(board.right, board.top + 5);  // the right edge is outside
  const QPoint beside(board.left - 1, board.top + 5);

  move_mouse(surface, inside);
  QCOMPARE(surface->cursor().shape(), Qt::ArrowCursor);  // Idle

  match.mutable_settings().AutomaticMode = 0;
  running.command(kCommandNewGame);
  for (QPoint at : {inside, top_left}) {
    move_mouse(surface, at);
    QCOMPARE(surface->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(surface->cursor().hotSpot(), QPoint(kSightHotSpot, kSightHotSpot));
    QCOMPARE(surface->cursor().bitmap().size(), QSize(32, 32));
  }
  for (QPoint at : {right_edge, beside}) {
    move_mouse(surface, at);
    QCOMPARE(surface->cursor().shape(), Qt::ArrowCursor);
  }

  running.command(kCommandPlace);
  move_mouse(surface, inside);
  QCOMPARE(surface->cursor().shape(), Qt::ArrowCursor);
}

void MainWindowTest::grabbed_window_shows_the_state_colours() {
  Running running;
  Match& match = *running.match;
  const Layout& layout = running.layout();
  const Rgb stock_grey{192, 192, 192};

  // Before the first game: the class's light grey, no grid, and the newcomer's guidance on a
  // card clear of the status button's place; the first game takes the card away.
  QImage idle = running.grab();
  const QRect card = running.surface()->guide_rect();
  QVERIFY(!card.isEmpty() && running.surface()->rect().contains(card));
  QVERIFY(card.bottom() < layout.status_rect.top);
  QCOMPARE(pixel_rgb(idle, card.topLeft() + QPoint(card.width() / 2, 4)), (Rgb{252, 252, 249}));
  QCOMPARE(pixel_rgb(idle, card.topLeft() - QPoint(3, 3)), stock_grey);
  QCOMPARE(pixel_rgb(idle, rect_centre(layout.status_rect)), stock_grey);
  // Screen readers read the same steps, with the keys the menu gives.
  const QString told = running.surface()->accessibleDescription();
  QVERIFY2(told.contains(QStringLiteral("Lay out your fleet (Ctrl+L)")) &&
               told.contains(QStringLiteral("Start a game (Ctrl+N)")),
           qPrintable(told));

  match.mutable_settings().AutomaticMode = 0;
  match.mutable_settings().NumberOfShots = 2;
  running.command(kCommandNewGame);
  running.press_cell(1, 2);
  QImage aiming = running.grab();
  QVERIFY(running.surface()->guide_rect().isEmpty());
  QVERIFY(running.surface()->accessibleDescription().isEmpty());
  QCOMPARE(pixel_rgb(aiming, grid_cell_corner(layout, 1, 2)), colour_rgb(Colour::LightCyan));
  QCOMPARE(pixel_rgb(aiming, grid_cell_corner(layout, 2, 2)), colour_rgb(Colour::White));
  const Rect cell = grid_cell_rect(layout, 2, 2);
  QCOMPARE(pixel_rgb(aiming, {cell.left, cell.top}), (Rgb{0, 0, 0}));              // the frame
  QCOMPARE(pixel_rgb(aiming, {cell.right - 1, cell.bottom - 1}), (Rgb{0, 0, 0}));  // its far corner
  const Rect status = layout.status_rect;
  QCOMPARE(pixel_rgb(aiming, {status.left + 2, status.top + 2}), colour_rgb(Colour::Grey));
  // The ground of the window between the panels and the button.
  QCOMPARE(pixel_rgb(aiming, {2, status.top - 3}), colour_rgb(Colour::Teal));

  running.press_cell(7, 8);
  QCOMPARE(pixel_rgb(running.grab(), {status.left + 2, status.top + 2}), colour_rgb(Colour::Red));
}

void MainWindowTest::settings_are_written_when_the_window_goes() {
  TempDir config;
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
  const std::filesystem::path file = default_settings_dir() / kSettingsFileName;
  QCOMPARE(QString::fromStdString(file.string()),
           QString::fromStdString((config.path() / "vornmark" / "VORNMARK.INI").string()));

  Running running("-D3", default_settings_dir());
  running.match->mutable_settings().AutomaticMode = 0;
  running.command(kCommandPlace);  // turns Automatic mode on again
  running.match->mutable_settings().NumberOfShots = 4;
  QVERIFY(!std::filesystem::exists(file));

  running.command(kCommandExit);
  QVERIFY(!running.window->isVisible());
  running.window.reset();
  QVERIFY(std::filesystem::exists(file));
  const GameSettings saved = load_settings(default_settings_dir());
  QCOMPARE(saved.NumberOfShots, 4);
  QCOMPARE(saved.AutomaticMode, 1);
  qunsetenv("XDG_CONFIG_HOME");
}

void MainWindowTest::warning_cancel_ends_without_saving() {
  TempDir config;
  Running running("-D3", config.path());
  running.match->mutable_settings().NumberOfShots = 7;
  running.platform.answers.push_back(BoxAnswer::Cancel);
  bool ended = false;
  try {
    running.match->report().warning_box("Error firing twice at HIS SHOTS 1,1");
  } catch (const ExitRequested& exit) {
    ended = true;
    QCOMPARE(exit.code, 0);
  }
  QVERIFY(ended);
  QCOMPARE(running.platform.boxes.back().owner_widget.data(), running.window.get());
  QVERIFY(!std::filesystem::exists(config.path() / kSettingsFileName));
}

void MainWindowTest::program_saves_on_sigterm_not_on_sigkill() {
  const QString program = qEnvironmentVariable("VORNMARK_PROGRAM");
  QVERIFY2(QFile::exists(program), "VORNMARK_PROGRAM names the built program");
  // MaxCells=3 is read as 4, so a save rewrites the file, with all eight keys.
  const std::string before = "[Options]\nMaxCells=3\n";
  const std::string saved = settings_into_text(before, settings_from_text(before));
  QVERIFY(saved.find("MaxCells=4\n") != std::string::npos);
  for (const auto& [sent, saves] : {std::pair{SIGTERM, true}, std::pair{SIGKILL, false}}) {
    TempDir home;
    const std::filesystem::path file = home.path() / "config" / "vornmark" / kSettingsFileName;
    std::filesystem::create_directories(file.parent_path());
    write_text(file, before);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString((home.path() / "config").string()));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, {});
    QVERIFY(process.waitForStarted(20000));
    // Both signals come once SIGTERM is caught, when the window is up.
    QTRY_VERIFY_WITH_TIMEOUT(catches_sigterm(process.processId()), 60000);
    QCOMPARE(::kill(static_cast<pid_t>(process.processId()), sent), 0);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), saves ? QProcess::NormalExit : QProcess::CrashExit);
    if (saves) QCOMPARE(process.exitCode(), 0);
    QCOMPARE(read_text(file), saves ? saved : before);
    // Started without a sound server, the program says nothing about sound.
    const QString said = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(!said.contains(
                 QRegularExpression(QStringLiteral("audio|pulse|sound"), QRegularExpression::CaseInsensitiveOption)),
             qPrintable(said));
  }
}

void MainWindowTest::game_is_kept_by_one_copy_and_not_abandoned() {
  std::unique_ptr<QLockFile> other_copy;
  const auto damage = [](const std::filesystem::path& state) {
    std::filesystem::create_directories(state);
    write_text(state / "game", "no game\n");
  };
  const auto hold = [&other_copy](const std::filesystem::path& state) {
    std::filesystem::create_directories(state);
    other_copy = std::make_unique<QLockFile>(QString::fromStdString((state / "game.lock").string()));
    QVERIFY(other_copy->tryLock());
  };
  const auto make_file = [](const std::filesystem::path& state) { write_text(state, "a file\n"); };
  struct Case {
    std::function<void(const std::filesystem::path& state)> before;
    bool kept;
    std::string note;  // a part of the note at the start; none when empty
  };
  const Case cases[] = {
      {[](const std::filesystem::path&) {}, true, ""},
      {damage, true, "game.bad"},
      {hold, false, "Another Vornmark is running"},
      {make_file, false, "cannot keep the game"},
  };
  for (const Case& test : cases) {
    TempDir home;
    const std::filesystem::path state = home.path() / "state";
    const std::filesystem::path data = home.path() / "data";
    if (test.before) test.before(state);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.string()));
    {
      Running running;
      running.window->keep_game_in(state);
      QTest::qWait(1);  // the note shows once the event loop runs
      const std::vector<TestPlatform::Box>& boxes = running.platform.boxes;
      QCOMPARE(boxes.size(), std::size_t(test.note.empty() ? 0 : 1));
      if (!test.note.empty()) QVERIFY2(boxes[0].text.find(test.note) != std::string::npos, boxes[0].text.c_str());
      QCOMPARE(running.window->keeper()->keeping(), test.kept);
      // A game that counts: one volley of one shot fired in Manual mode.
      running.match->mutable_settings().AutomaticMode = 0;
      running.match->mutable_settings().NumberOfShots = 1;
      running.command(kCommandNewGame);
      running.press_cell(3, 3);
      QVERIFY(running.window->recorder().recording());
    }
    qunsetenv("XDG_DATA_HOME");
    other_copy.reset();
    QCOMPARE(std::filesystem::is_regular_file(state / "game"), test.kept);
    if (test.note == "game.bad") QCOMPARE(read_text(state / "game.bad"), std::string("no game\n"));
    // Kept, the game goes on at the next start; not kept, quitting abandoned it.
    int abandoned = 0;
    for (const auto& [key, games] : read_statistics(data / "vornmark", posix_settings_file_ops()).statistics)
      abandoned += games.abandoned;
    QCOMPARE(abandoned, test.kept ? 0 : 1);
  }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
