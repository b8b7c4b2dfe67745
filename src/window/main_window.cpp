#include "window/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include "presentation/colour_scheme.h"
#include "presentation/dialogs.h"
#include "presentation/printing.h"
#include "setup/match.h"
#include "setup/settings_file.h"
#include "setup/statistics_file.h"
#include "window/game_keeper.h"
#include "window/game_language.h"
#include "window/game_surface.h"
#include "window/geometry_dialog.h"
#include "window/help_window.h"
#include "window/menu_commands.h"
#include "window/options_dialog.h"
#include "window/pacing_dialog.h"
#include "window/program_texts.h"
#include "window/qt_platform.h"
#include "window/qt_printer.h"
#include "window/sight_cursor.h"
#include "window/statistics_dialog.h"

namespace vornmark {

MainWindow::MainWindow(Match& match, QtPlatform& platform, QSize size)
    : match_(match),
      platform_(platform),
      surface_(new GameSurface(match, layout_, this)),
      view_(match, layout_, *surface_, *this, sounds_),
      recorder_(platform, default_statistics_dir()),
      flow_(match, view_),
      printers_(std::make_unique<QtPrinters>()) {
  setWindowTitle(QStringLiteral("Vornmark"));
  setCentralWidget(surface_);
  surface_->set_flow(&flow_);
  flow_.set_recorder(&recorder_);
  view_.set_game_changed([this] { game_changed(); });
  surface_->setFocus();
  view_.set_background(Colour::Grey);  // the stock light grey in Classic

  // The first layout uses the size of the window being created; the first resize lays the
  // window out again for its client area.
  layout_window(layout_, match_, size.width(), size.height());

  std::optional<QCursor> sight = load_sight_cursor();
  if (!sight) match_.report().warning_box("cross is NULL");
  surface_->set_sight_cursor(std::move(sight));

  build_menu();
  const auto keys_of = [this](int id) { return action(id)->shortcut().toString(QKeySequence::NativeText); };
  surface_->set_guide_keys({keys_of(kCommandPlace), keys_of(kCommandNewGame), keys_of(kCommandHelp)});
  resize(size);

  platform_.set_main_window(this);
  match_.report().set_main_window_ready(true);
}

MainWindow::~MainWindow() {
  match_.report().set_main_window_ready(false);
  platform_.set_main_window(nullptr);
  platform_.set_busy_cursor(false);
  write_settings();
  // A game that goes on at the next start is not abandoned.
  const bool kept = keep_game_now();
  keeper_.reset();
  recorder_.program_ends(kept ? GameRecorder::GameInPlay::Kept : GameRecorder::GameInPlay::Abandoned);
}

void MainWindow::write_settings() { save_settings(match_.settings(), match_.settings_dir()); }

void MainWindow::keep_game_in(const std::filesystem::path& dir) {
  keeper_ = std::make_unique<GameKeeper>(flow_, dir);
  const GameKeeper::Start start = keeper_->start();
  if (!keeper_->note().empty()) tell_later(keeper_->note());
  if (start != GameKeeper::Start::Resumed) return;
  // The resumed game's settings may lay the window out for another grid and check the menu.
  layout_window(layout_, match_, surface_->width(), surface_->height());
  surface_->hold_focus(flow_.scene().focus);
  action(kCommandHint)->setChecked(match_.settings().Hint != 0);
  action(kCommandVornmarkView)->setChecked(match_.settings().VornmarkView != 0);
  action(kCommandSound)->setChecked(match_.settings().Sound != 0);
  action(kCommandSchemeClassic + static_cast<int>(scheme_of(match_)))->setChecked(true);
  surface_->update();
  surface_->announce_changes();
}

bool MainWindow::keep_game_now() {
  if (keeper_ == nullptr) return false;
  flow_.keep_focus(surface_->held_focus());
  return keeper_->save_now();
}

void MainWindow::game_changed() {
  if (keeper_ == nullptr) return;
  flow_.keep_focus(surface_->held_focus());
  keeper_->game_changed();
  if (const std::string note = keeper_->failure_note(); !note.empty()) tell_later(note);
}

void MainWindow::tell_later(const std::string& note) {
  QTimer::singleShot(0, this, [this, note] { information_box(platform_, note); });
}

QAction* MainWindow::add_command(QMenu* menu, const QString& text, int id) {
  QAction* action = menu->addAction(text);
  action->setData(id);
  connect(action, &QAction::triggered, this, [this, id] { handle_command(id); });
  return action;
}

void MainWindow::build_menu() {
  // The standard shortcuts show beside the items' texts, which stay as they are.
  QMenu* file = menuBar()->addMenu(tr("&File"));
  add_command(file, tr("&New Game"), kCommandNewGame)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  add_command(file, tr("P&lace"), kCommandPlace)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  add_command(file, tr("&Print"), kCommandPrint)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  file->addSeparator();
  add_command(file, tr("E&xit"), kCommandExit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* options = menuBar()->addMenu(tr("&Options"));
  add_command(options, tr("Misc."), kCommandMisc);
  add_command(options, tr("&Geometry"), kCommandGeometry)->setEnabled(false);  // nothing enables it
  add_command(options, tr("&Pacing"), kCommandPacing);
  // Checkable, after the original items so that those keep their places.
  options->addSeparator();
  QAction* hint = add_command(options, tr("&Hint"), kCommandHint);
  QAction* view = add_command(options, tr("Vornmark's &View"), kCommandVornmarkView);
  hint->setShortcut(QKeySequence(Qt::Key_H));
  view->setShortcut(QKeySequence(Qt::Key_V));
  for (QAction* checkable : {hint, view}) checkable->setCheckable(true);
  hint->setChecked(match_.settings().Hint != 0);
  view->setChecked(match_.settings().VornmarkView != 0);
  // Last in the menu, so that the items before it keep their places.
  add_command(options, tr("&Statistics..."), kCommandStatistics)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  // The colour schemes and the sounds' switch after every item there was before them.
  options->addSeparator();
  QMenu* colours = options->addMenu(tr("&Colours"));
  auto* schemes = new QActionGroup(colours);
  const std::pair<QString, int> scheme_items[] = {{tr("&Classic"), kCommandSchemeClassic},
                                                  {tr("Colour-&blind safe"), kCommandSchemeColourBlindSafe},
                                                  {tr("&High contrast"), kCommandSchemeHighContrast}};
  for (const auto& [text, id] : scheme_items) {
    QAction* item = add_command(colours, text, id);
    item->setCheckable(true);
    item->setChecked(id - kCommandSchemeClassic == static_cast<int>(scheme_of(match_)));
    schemes->addAction(item);
  }
  QAction* sound = add_command(options, tr("S&ound"), kCommandSound);
  sound->setShortcut(QKeySequence(Qt::Key_M));
  sound->setCheckable(true);
  sound->setChecked(match_.settings().Sound != 0);
  build_language_menu(options);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  add_command(help, tr("&Help..."), kCommandHelp)->setShortcut(QKeySequence(Qt::Key_F1));
  add_command(help, tr("&About Vornmark..."), kCommandAbout);

  // A command of its own at the right end of the bar, not a menu.
  if (match_.switches().on(0)) {
    QAction* simulation = menuBar()->addAction(tr("&Simulation"));
    simulation->setData(static_cast<int>(kCommandSimulation));
    connect(simulation, &QAction::triggered, this, [this] { handle_command(kCommandSimulation); });
  }
}

void MainWindow::build_language_menu(QMenu* options) {
  //: The menu of the languages the game speaks; each language is named in itself.
  QMenu* languages = options->addMenu(tr("&Language"));
  auto* group = new QActionGroup(languages);
  const QString chosen = chosen_language(match_.settings_dir());
  std::vector<std::pair<QString, QString>> items = {{QString(), tr("The desktop's language")}};
  for (const GameLanguage& language : game_languages())
    items.emplace_back(QString::fromUtf8(language.code), QString::fromUtf8(language.name));
  for (const auto& [code, name] : items) {
    QAction* item = languages->addAction(name);
    item->setCheckable(true);
    item->setChecked(code == chosen);
    item->setData(code);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, code = code, name = name] { choose_language_item(code, name); });
  }
}

void MainWindow::choose_language_item(const QString& code, const QString& name) {
  if (!choose_language(match_.settings_dir(), code)) {
    QMessageBox::warning(this, QStringLiteral("Vornmark"), tr("The settings file could not be written."));
    return;
  }
  QMessageBox::information(this, QStringLiteral("Vornmark"),
                           code.isEmpty() ? tr("From its next start, Vornmark speaks the desktop's language.")
                                          : tr("From its next start, Vornmark speaks %1.").arg(name));
}

QAction* MainWindow::action(int id) const {
  for (QAction* item : menuBar()->findChildren<QAction*>())
    if (item->data().isValid() && item->data().toInt() == id) return item;
  return nullptr;
}

void MainWindow::set_printers(std::unique_ptr<Printers> printers) { printers_ = std::move(printers); }

void MainWindow::handle_command(int id) {
  switch (id) {
    case kCommandNewGame:
      flow_.start_new_game();
      break;
    case kCommandPlace:
      flow_.enter_place_mode();
      break;
    case kCommandPrint:
      print();
      break;
    case kCommandExit:
      close();
      break;
    case kCommandMisc:
      options();
      break;
    case kCommandGeometry:
      geometry();
      break;
    case kCommandPacing:
      pacing();
      break;
    case kCommandStatistics:
      statistics();
      break;
    case kCommandHelp:
      help();
      break;
    case kCommandAbout:
      about();
      break;
    case kCommandSimulation:
      flow_.run_simulation();
      break;
    case kCommandHint:
      flow_.show_hint(match_.settings().Hint == 0);
      action(kCommandHint)->setChecked(match_.settings().Hint != 0);
      break;
    case kCommandVornmarkView:
      flow_.show_vornmark_view(match_.settings().VornmarkView == 0);
      action(kCommandVornmarkView)->setChecked(match_.settings().VornmarkView != 0);
      break;
    case kCommandSound:
      match_.mutable_settings().Sound = match_.settings().Sound != 0 ? 0 : 1;
      action(kCommandSound)->setChecked(match_.settings().Sound != 0);
      break;
    case kCommandSchemeClassic:
    case kCommandSchemeColourBlindSafe:
    case kCommandSchemeHighContrast:
      flow_.choose_colour_scheme(id - kCommandSchemeClassic);
      action(id)->setChecked(true);
      break;
    default:
      break;
  }
  // A command may change the legend, the status button and what the cells hold.
  if (id != kCommandExit) surface_->announce_changes();
}

void MainWindow::options() {
  OptionsDialog dialog(flow_, this);
  dialog.exec();
  // A change of mode changes what the idle window's guidance says.
  surface_->update();
}

void MainWindow::geometry() {
  GeometryDialog dialog(match_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  match_.resize_boards_to_grid();
  // Laid out again at once, so that clicks and painting follow the new grid size.
  layout_window(layout_, match_, surface_->width(), surface_->height());
  surface_->update();
}

void MainWindow::pacing() {
  PacingDialog dialog(match_, this);
  dialog.exec();
}

void MainWindow::statistics() {
  StatisticsDialog dialog(recorder_, this, scheme_of(match_));
  dialog.exec();
}

void MainWindow::help() {
  if (!help_) {
    help_ = new HelpWindow(this);
    help_->setAttribute(Qt::WA_DeleteOnClose);
  }
  help_->show_page(kHelpContents);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void MainWindow::about() { information_box(platform_, about_text()); }

void MainWindow::print() {
  // Nothing is shown when there is no printer or it refuses the page.
  print_boards(match_, flow_.scene(), layout_, *printers_);
}

}  // namespace vornmark
