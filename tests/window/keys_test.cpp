// The window played by keys alone: the focus frame's pixels, the standard shortcuts, Place mode,
// the highlight held by Space, the accessible tree of the real window, and the sight cursor at
// the screen's device pixel ratio (this program also runs with QT_SCALE_FACTOR=2).

#include <QAccessible>
#include <QAccessibleInterface>
#include <QMouseEvent>
#include <QTest>

#include "play/state_texts.h"
#include "presentation/canvas.h"
#include "window/game_surface.h"
#include "window/help_window.h"
#include "window/main_window.h"
#include "window/menu_commands.h"
#include "window/sight_cursor.h"
#include "window_test_support.h"

using namespace vornmark;
using namespace vornmark::testing;

namespace {

struct Running {
  Running() : match(started_match(platform)), window(std::make_unique<MainWindow>(*match, platform, QSize(1000, 760))) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }

  GameSurface* surface() const { return window->surface(); }
  const Layout& layout() const { return window->layout(); }
  void keys(std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys) QTest::keyClick(surface(), key);
  }
  Rgb pixel(QPoint at) const { return pixel_rgb(surface()->grab().toImage(), at); }
  // Manual mode, so that New Game needs no laid fleet.
  void new_manual_game(int shots) {
    match->mutable_settings().AutomaticMode = 0;
    match->mutable_settings().NumberOfShots = shots;
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
  }

  TestPlatform platform;
  std::unique_ptr<Match> match;
  std::unique_ptr<MainWindow> window;
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// The left side of the frame, five pixels below the top of a place: black, white, black, then the
// place's own colour.
void expect_frame(const Running& running, const Rect& place, Rgb inside) {
  const QImage image = running.surface()->grab().toImage();
  const int y = place.top + 5;
  QCOMPARE(pixel_rgb(image, {place.left, y}), kBlack);
  QCOMPARE(pixel_rgb(image, {place.left + 1, y}), kWhite);
  QCOMPARE(pixel_rgb(image, {place.left + 2, y}), kBlack);
  QCOMPARE(pixel_rgb(image, {place.left + 4, y}), inside);
}

QString name_of(QAccessibleInterface* part) { return part != nullptr ? part->text(QAccessible::Name) : QString(); }

std::vector<std::pair<QAccessible::Event, QString>> accessible_events;

}  // namespace

class KeysTest : public QObject {
  Q_OBJECT

 private slots:
  void keys_aim_and_resolve_a_volley_under_the_focus_frame();
  void shortcuts_run_their_commands();
  void keys_select_lay_turn_and_scatter_in_place_mode();
  void holding_space_on_a_panel_hit_highlights_its_volley();
  void accessible_tree_names_the_cells_and_follows_the_focus();
  void sight_is_drawn_at_the_screens_pixel_ratio();
};

void KeysTest::keys_aim_and_resolve_a_volley_under_the_focus_frame() {
  Running running;
  running.new_manual_game(2);
  QCOMPARE(running.match->play_state(), PlayState::PlayerAiming);
  // No frame until a key is used: the cell's own white up to its black edge.
  const Rect first = grid_cell_rect(running.layout(), 0, 0);
  QCOMPARE(running.pixel({first.left + 1, first.top + 5}), kWhite);
  QCOMPARE(running.pixel({first.left + 2, first.top + 5}), kWhite);

  running.keys({Qt::Key_Right, Qt::Key_Down, Qt::Key_Space});
  QCOMPARE(running.match->his_shots().cell(1, 1), 1);
  expect_frame(running, grid_cell_rect(running.layout(), 1, 1), colour_rgb(Colour::LightCyan));
  QCOMPARE(running.pixel({first.left + 2, first.top + 5}), kWhite);  // the old place is clear again

  running.keys({Qt::Key_End, Qt::Key_Space});
  QCOMPARE(running.match->his_shots().cell(running.match->grid() - 1, 1), 1);
  QCOMPARE(std::string(status_button(*running.match)->text), "Click here to see what you hit");
  running.keys({Qt::Key_Tab, Qt::Key_Tab});
  expect_frame(running, running.layout().status_rect, colour_rgb(Colour::Red));
  running.keys({Qt::Key_Backtab, Qt::Key_Enter});
  QCOMPARE(running.match->play_state(), PlayState::PlayerVolleyShown);
  QCOMPARE(running.platform.beeps, 0);

  // A mouse press hides the frame again: the first panel cell, where the focus now is, is plain.
  const Rect panel = panel_cell_rect(running.layout(), 0, 0);
  expect_frame(running, panel, colour_rgb(Colour::White));
  QTest::mouseClick(running.surface(), Qt::LeftButton, Qt::NoModifier, {panel.left + 5, panel.top + 5});
  QCOMPARE(running.platform.beeps, 1);  // as any press there in this state
  QCOMPARE(running.pixel({panel.left + 1, panel.top + 5}), kWhite);
  QCOMPARE(running.pixel({panel.left + 2, panel.top + 5}), kWhite);
}

void KeysTest::shortcuts_run_their_commands() {
  Running running;
  const struct {
    int command;
    QKeySequence keys;
  } shortcuts[] = {
      {kCommandNewGame, QKeySequence(Qt::CTRL | Qt::Key_N)},
      {kCommandPlace, QKeySequence(Qt::CTRL | Qt::Key_L)},
      {kCommandPrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
      {kCommandExit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
      {kCommandHelp, QKeySequence(Qt::Key_F1)},
  };
  for (const auto& shortcut : shortcuts) QCOMPARE(running.window->action(shortcut.command)->shortcut(), shortcut.keys);
  for (int command : {kCommandMisc, kCommandPacing, kCommandAbout})
    QVERIFY(running.window->action(command)->shortcut().isEmpty());

  QTest::keyClick(running.window.get(), Qt::Key_L, Qt::ControlModifier);
  QCOMPARE(running.match->play_state(), PlayState::Placing);
  QTest::keyClick(running.window.get(), Qt::Key_F1);
  QVERIFY(running.window->help_window() != nullptr && running.window->help_window()->isVisible());
  running.window->help_window()->close();
  running.window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(running.window.get()));
  QTest::keyClick(running.window.get(), Qt::Key_Q, Qt::ControlModifier);
  QVERIFY(!running.window->isVisible());
}

void KeysTest::keys_select_lay_turn_and_scatter_in_place_mode() {
  Running running;
  Match& match = *running.match;
  running.keys({Qt::Key_3});  // outside Place mode: refused
  QCOMPARE(running.platform.beeps, 1);
  QTest::keyClick(running.window.get(), Qt::Key_L, Qt::ControlModifier);
  running.keys({Qt::Key_3, Qt::Key_Right, Qt::Key_Space});
  QCOMPARE(running.window->flow().scene().selected_ship, kBattleship);
  QCOMPARE(match.his_real_ships().cell(1, 0), kBattleship + 1);
  QCOMPARE(match.his_real_ships().cell(1, 3), kBattleship + 1);  // laid downwards
  running.keys({Qt::Key_R});
  QCOMPARE(match.his_real_ships().cell(1, 3), 0);
  running.keys({Qt::Key_Return});  // Scatter
  for (const Ship& ship : match.his_fleet()) QVERIFY(ship.where(0).x >= 0);
  QCOMPARE(running.platform.beeps, 1);
}

void KeysTest::holding_space_on_a_panel_hit_highlights_its_volley() {
  Running running;
  Match& match = *running.match;
  match.mutable_settings().DefenseMode = 1;  // the player fires volley after volley
  match.mutable_settings().PausePlayer = 0;
  running.new_manual_game(1);
  // The first volley's one shot on a ship of the computer, walked to by arrows.
  int column = 0;
  int row = 0;
  while (match.my_sea().cell(column, row) == 0) {
    if (++column == match.grid()) column = 0, ++row;
  }
  for (int i = 0; i < row; ++i) running.keys({Qt::Key_Down});
  for (int i = 0; i < column; ++i) running.keys({Qt::Key_Right});
  running.keys({Qt::Key_Space});
  QCOMPARE(match.counters().player_volley, 2);

  const int ship = match.my_sea().cell(column, row) - 1;
  running.keys({Qt::Key_Tab});
  for (int i = 0; i < ship; ++i) running.keys({Qt::Key_Down});
  QTest::keyPress(running.surface(), Qt::Key_Space);
  QCOMPARE(running.window->flow().scene().highlight_volley, 1);
  QCOMPARE(running.pixel(grid_cell_corner(running.layout(), column, row)), colour_rgb(Colour::Yellow));
  QTest::keyRelease(running.surface(), Qt::Key_Space);
  QCOMPARE(running.window->flow().scene().highlight_volley, 0);
  QCOMPARE(running.pixel(grid_cell_corner(running.layout(), column, row)), colour_rgb(Colour::Grey));
  QCOMPARE(running.platform.beeps, 0);
}

void KeysTest::accessible_tree_names_the_cells_and_follows_the_focus() {
  // Without a screen reader on the test's display the announcements are caught on their way.
  Running running;
  running.surface()->set_announcer([](QAccessibleEvent* event) {
    accessible_events.emplace_back(event->type(), name_of(event->accessibleInterface()));
  });
  QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(running.surface());
  QVERIFY(surface != nullptr);
  QCOMPARE(surface->childCount(), 7);
  QAccessibleInterface* grid = surface->child(0);
  QCOMPARE(grid->role(), QAccessible::Table);
  QCOMPARE(grid->tableInterface()->rowCount(), running.match->grid());
  const auto cell = [&](int row, int column) { return name_of(grid->tableInterface()->cellAt(row, column)); };
  QCOMPARE(cell(2, 1), QStringLiteral("row 2, column 1"));  // nothing shown yet

  running.match->mutable_settings().PauseVornmark = 1;
  running.new_manual_game(1);
  QCOMPARE(cell(2, 1), QStringLiteral("row 2, column 1: not shot"));
  QCOMPARE(name_of(surface->child(2)), QStringLiteral("Destroyer"));
  QCOMPARE(name_of(surface->child(2)->child(1)), QStringLiteral("Destroyer, cell 2, not hit"));
  QCOMPARE(name_of(surface->child(5)), QStringLiteral("Click on grid to fire shots"));

  accessible_events.clear();
  running.keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Right});
  QCOMPARE(name_of(surface->focusChild()), QStringLiteral("row 2, column 1: not shot"));
  QVERIFY(surface->focusChild()->state().focused);
  QVERIFY(!accessible_events.empty());
  QCOMPARE(accessible_events.back(), std::make_pair(QAccessible::Focus, QStringLiteral("row 2, column 1: not shot")));

  // The one-shot volley resolves at once: the cell, the legend and the button say so.
  accessible_events.clear();
  running.keys({Qt::Key_Space});
  QCOMPARE(running.match->play_state(), PlayState::PlayerVolleyShown);
  QCOMPARE(cell(2, 1), QStringLiteral("row 2, column 1: your shot of volley A"));
  const std::vector<std::pair<QAccessible::Event, QString>> announced = {
      {QAccessible::NameChanged, QStringLiteral("What you hit  ")},
      {QAccessible::NameChanged, QStringLiteral("Click here to Continue")},
      {QAccessible::NameChanged, QStringLiteral("row 2, column 1: your shot of volley A")}};
  QCOMPARE(accessible_events, announced);

  // The computer's volley: its shots are named as its own.
  running.keys({Qt::Key_Return});
  QCOMPARE(running.match->play_state(), PlayState::ComputerVolleyShown);
  int shot_column = 0;
  int shot_row = 0;
  while (running.match->my_shots().cell(shot_column, shot_row) == 0) {
    if (++shot_column == running.match->grid()) shot_column = 0, ++shot_row;
  }
  QCOMPARE(cell(shot_row, shot_column),
           QStringLiteral("row %1, column %2: Vornmark's shot of volley B").arg(shot_row).arg(shot_column));
  QCOMPARE(name_of(surface->child(6)), QStringLiteral("Click on what Vornmark has hit"));

  // The press action reports a hit as a click would.
  QAccessibleInterface* corvette = surface->child(1)->child(0);
  corvette->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCOMPARE(name_of(corvette), QStringLiteral("Corvette, cell 1, hit in volley B"));
}

void KeysTest::sight_is_drawn_at_the_screens_pixel_ratio() {
  Running running;
  GameSurface* surface = running.surface();
  running.new_manual_game(2);
  const QPoint inside = grid_cell_centre(running.layout(), 3, 3);
  QMouseEvent move(QEvent::MouseMove, inside, surface->mapToGlobal(inside), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(surface, &move);
  const qreal ratio = surface->devicePixelRatioF();
  QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
  const QCursor shown = surface->cursor();
  QCOMPARE(shown.shape(), Qt::BitmapCursor);
  QCOMPARE(shown.hotSpot(), QPoint(kSightHotSpot, kSightHotSpot));
  if (ratio == 1.0) {
    QCOMPARE(shown.bitmap().size(), QSize(kSightSize, kSightSize));
  } else {
    QCOMPARE(shown.pixmap().devicePixelRatio(), ratio);
    QCOMPARE(shown.pixmap().size(), QSize(kSightSize, kSightSize) * ratio);
  }

  // At twice the pixels each pixel of the sight is a block of four: the hot spot's dot is black
  // on all four, a corner of the bitmap stays clear.
  const QCursor sharp = *load_sight_cursor(2.0);
  QCOMPARE(sharp.pixmap().size(), QSize(64, 64));
  const QImage image = sharp.pixmap().toImage();
  for (QPoint at : {QPoint(30, 30), QPoint(31, 31), QPoint(30, 31)}) QCOMPARE(image.pixel(at), qRgb(0, 0, 0));
  QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
