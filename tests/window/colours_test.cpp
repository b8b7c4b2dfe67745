// The colour schemes in pixels: the window painted in each scheme beside Classic, its cells seen in
// grey levels and through each simulated dichromacy, stay apart state by state; switching the
// scheme from the menu is kept in the settings and repaints the window's ground; the help pages
// and the statistics chart follow a dark desktop palette.

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <cmath>
#include <map>

#include "presentation/colour_scheme.h"
#include "presentation/painting.h"
#include "support/colour_science.h"
#include "support/temp_dir.h"
#include "window/desktop_look.h"
#include "window/game_surface.h"
#include "window/help_window.h"
#include "window/main_window.h"
#include "window/menu_commands.h"
#include "window/qt_canvas.h"
#include "window/statistics_dialog.h"
#include "window_test_support.h"

using namespace vornmark;
using namespace vornmark::testing;

namespace {

const QSize kWindowSize(1000, 720);

// What a cell shows, from the boards, by the same rules a player reads them.
enum class Seen { Water, Shot, Current, Highlight, Ship, Hit };
const char* seen_name(Seen seen) {
  const char* names[] = {"water", "shot", "current", "highlight", "ship", "hit"};
  return names[static_cast<int>(seen)];
}

Seen seen_on_grid(const Match& match, const Scene& scene, int column, int row) {
  if (match.play_state() == PlayState::ComputerVolleyShown) {
    const int shot = match.my_shots().cell(column, row);
    if (match.his_real_ships().cell(column, row) != 0) return shot != 0 ? Seen::Hit : Seen::Ship;
    if (shot == 0) return Seen::Water;
    return shot == match.counters().computer_volley ? Seen::Current : Seen::Shot;
  }
  const int shot = match.his_shots().cell(column, row);
  if (shot == 0) return Seen::Water;
  if (shot == match.counters().player_volley) return Seen::Current;
  return shot == scene.highlight_volley ? Seen::Highlight : Seen::Shot;
}

// Per state: the mean colour (CIELAB) of the cells' inner pixels, the mean spread of their
// lightness, and their mean lightness near the edges and in the middle (where a frame and a
// ring differ from a hatch), as seen with one vision, or in grey levels (a* and b* dropped).
struct Statistics {
  double l = 0, a = 0, b = 0, spread = 0;
  double rim = 0, core = 0;  // the mean lightness near the edges and in the middle
  int cells = 0;
};

std::map<Seen, Statistics> statistics_of(const QImage& image, const Match& match, const Scene& scene,
                                         const Layout& layout, Vision vision, bool grey) {
  std::map<Seen, Statistics> by_state;
  for (int row = 0; row < match.grid(); ++row)
    for (int column = 0; column < match.grid(); ++column) {
      const Rect cell = grid_cell_rect(layout, column, row);
      double sum_l = 0, sum_a = 0, sum_b = 0, sum_ll = 0, sum_rim = 0;
      int pixels = 0, rim_pixels = 0;
      const int band = (cell.right - cell.left) / 5;
      for (int y = cell.top + 1; y < cell.bottom - 1; ++y)
        for (int x = cell.left + 1; x < cell.right - 1; ++x) {
          const Linear seen = simulate(to_linear(pixel_rgb(image, {x, y})), vision);
          const Lab lab = grey ? to_lab({luminance(seen), luminance(seen), luminance(seen)}) : to_lab(seen);
          if (x < cell.left + band || x >= cell.right - band || y < cell.top + band || y >= cell.bottom - band) {
            sum_rim += lab.l;
            ++rim_pixels;
          }
          sum_l += lab.l;
          sum_a += grey ? 0 : lab.a;
          sum_b += grey ? 0 : lab.b;
          sum_ll += lab.l * lab.l;
          ++pixels;
        }
      if (pixels == 0) continue;
      Statistics& s = by_state[seen_on_grid(match, scene, column, row)];
      const double mean_l = sum_l / pixels;
      s.l += mean_l;
      s.a += sum_a / pixels;
      s.b += sum_b / pixels;
      s.spread += std::sqrt(std::max(0.0, sum_ll / pixels - mean_l * mean_l));
      s.rim += sum_rim / rim_pixels;
      s.core += (sum_l - sum_rim) / std::max(1, pixels - rim_pixels);
      ++s.cells;
    }
  for (auto& [state, s] : by_state) {
    s.l /= s.cells;
    s.a /= s.cells;
    s.b /= s.cells;
    s.spread /= s.cells;
    s.rim /= s.cells;
    s.core /= s.cells;
  }
  return by_state;
}

QImage painted(const Match& match, const Scene& scene, const Layout& layout) {
  QImage image(kWindowSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtCanvas canvas(painter, 96);
  paint_window(match, scene, layout, canvas);
  return image;
}

// Every two states on the grid differ by the margin in mean colour or in one figure of their
// marks, however the image is seen.
void check_states_apart(const QImage& image, const Match& match, const Scene& scene, const Layout& layout,
                        const char* where, int expected_states) {
  // Several cells of each state are compared, so that one letter or one mark is not all it takes.
  constexpr double kMargin = 10.0;
  for (Vision vision : kVisions)
    for (bool grey : {false, true}) {
      const auto stats = statistics_of(image, match, scene, layout, vision, grey);
      QVERIFY2(static_cast<int>(stats.size()) >= expected_states, "every state the game shows here is on the grid");
      for (auto first = stats.begin(); first != stats.end(); ++first)
        for (auto second = std::next(first); second != stats.end(); ++second) {
          const Statistics& p = first->second;
          const Statistics& q = second->second;
          const double colour =
              std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
          // The marks: how much the lightness varies, and where the light and dark parts lie.
          const double marks =
              std::max({std::abs(p.spread - q.spread), std::abs(p.rim - q.rim), std::abs(p.core - q.core)});
          if (std::max(colour, marks) < kMargin)
            QFAIL(qPrintable(QStringLiteral("%1, %2%3: %4 and %5 only %6 apart")
                                 .arg(where, vision_name(vision), grey ? " in grey" : "", seen_name(first->first),
                                      seen_name(second->first))
                                 .arg(std::max(colour, marks), 0, 'f', 1)));
        }
    }
}

}  // namespace

class ColoursTest : public QObject {
  Q_OBJECT

 private slots:
  void cell_states_stay_apart_in_grey_and_for_each_dichromacy();
  void the_menu_choice_is_kept_and_repaints_the_ground();
  void help_and_chart_follow_a_dark_desktop();
};

void ColoursTest::cell_states_stay_apart_in_grey_and_for_each_dichromacy() {
  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform, "-D3");
  match->mutable_settings().NumberOfShots = 8;
  MainWindow window(*match, platform, kWindowSize);
  PlayFlow& flow = window.flow();
  layout_window(window.layout(), *match, kWindowSize.width(), kWindowSize.height());
  window.action(kCommandPlace)->trigger();
  flow.on_left_press(ClickTarget::status());  // scatter
  window.action(kCommandNewGame)->trigger();
  // Exchanges until the computer has hit the player's fleet; each volley of the player hits too.
  const auto hits_taken = [&] {
    int hits = 0;
    for (const Ship& ship : match->his_fleet()) hits += ship.cell_count() - ship.cells_left();
    return hits;
  };
  for (int exchange = 0; exchange < 8 && (exchange < 2 || hits_taken() == 0); ++exchange) {
    bool hit = false;
    for (int cell = exchange * 31; match->counters().next_shot <= match->counters().player_shots_per_volley;
         cell += 7) {
      const int column = cell % match->grid(), row = (cell / match->grid()) % match->grid();
      if (match->his_shots().cell(column, row) != 0) continue;
      if (hit && match->my_sea().cell(column, row) != 0) continue;
      if (!hit && match->my_sea().cell(column, row) == 0) continue;
      flow.on_left_press(ClickTarget::grid(column, row));
      hit = true;
    }
    flow.on_left_press(ClickTarget::status());  // what you hit
    flow.on_left_press(ClickTarget::status());  // the computer's volley
    if (hits_taken() == 0 || exchange < 1) flow.on_left_press(ClickTarget::status());
  }
  QCOMPARE(match->play_state(), PlayState::ComputerVolleyShown);
  for (SchemeId scheme : {SchemeId::ColourBlindSafe, SchemeId::HighContrast}) {
    flow.choose_colour_scheme(static_cast<int>(scheme));
    // The computer's volley over the player's fleet: water, misses old and new, ships, hits.
    check_states_apart(painted(*match, flow.scene(), window.layout()), *match, flow.scene(), window.layout(),
                       scheme_name(scheme), 5);
  }
  // The player's next volley half aimed, an earlier volley held highlighted.
  flow.on_left_press(ClickTarget::status());
  for (int cell = 100; match->counters().next_shot <= 3; cell += 5)
    if (match->his_shots().cell(cell % 15, cell / 15) == 0) flow.on_left_press(ClickTarget::grid(cell % 15, cell / 15));
  flow.on_left_press(ClickTarget::panel(0, 0));
  for (int ship = 1; ship < 4 && flow.scene().highlight_volley == 0; ++ship)
    flow.on_left_press(ClickTarget::panel(ship, 0));
  QVERIFY(flow.scene().highlight_volley != 0);
  for (SchemeId scheme : {SchemeId::ColourBlindSafe, SchemeId::HighContrast}) {
    flow.choose_colour_scheme(static_cast<int>(scheme));
    check_states_apart(painted(*match, flow.scene(), window.layout()), *match, flow.scene(), window.layout(),
                       scheme_name(scheme), 4);
  }
}

void ColoursTest::the_menu_choice_is_kept_and_repaints_the_ground() {
  TempDir dir;
  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform, "-D3", dir.path());
  {
    MainWindow window(*match, platform, kWindowSize);
    QCOMPARE(window.surface()->palette().color(QPalette::Window), kStockLightGrey);
    window.action(kCommandSchemeHighContrast)->trigger();
    QVERIFY(window.action(kCommandSchemeHighContrast)->isChecked());
    QVERIFY(!window.action(kCommandSchemeClassic)->isChecked());
    QCOMPARE(match->settings().ColourScheme, 2);
    QCOMPARE(window.surface()->palette().color(QPalette::Window), QColor(Qt::black));
    window.action(kCommandNewGame)->trigger();
    const Rgb ground = scheme_palette(SchemeId::HighContrast).background_player.fill;
    QCOMPARE(window.surface()->palette().color(QPalette::Window), QColor(ground.red, ground.green, ground.blue));
    window.action(kCommandSchemeColourBlindSafe)->trigger();
  }
  // Written at exit, and read again at the next start.
  std::unique_ptr<Match> again = started_match(platform, "-D3", dir.path());
  QCOMPARE(again->settings().ColourScheme, 1);
  MainWindow window(*again, platform, kWindowSize);
  QVERIFY(window.action(kCommandSchemeColourBlindSafe)->isChecked());
}

void ColoursTest::help_and_chart_follow_a_dark_desktop() {
  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform, "-D3");
  MainWindow window(*match, platform, kWindowSize);
  const QPalette light = QApplication::palette();
  QVERIFY(!palette_is_dark(light));
  QPalette dark = light;
  dark.setColor(QPalette::Window, QColor(32, 33, 36));
  dark.setColor(QPalette::Base, QColor(32, 33, 36));
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::Text, Qt::white);

  window.handle_command(kCommandHelp);
  HelpWindow* help = window.help_window();
  QVERIFY(help != nullptr);
  const auto heading_colour = [help] {
    const QTextCursor heading = help->browser()->document()->find(QStringLiteral("Vornmark Help"));
    return heading.charFormat().foreground().color();
  };
  const QColor light_heading = heading_colour();
  QApplication::setPalette(dark);
  QCoreApplication::processEvents();
  const QColor dark_heading = heading_colour();
  QVERIFY2(dark_heading.lightnessF() > light_heading.lightnessF() + 0.2,
           qPrintable(light_heading.name() + " then " + dark_heading.name()));

  StatisticsDialog dialog(window.recorder(), &window, SchemeId::HighContrast);
  QCOMPARE(dialog.chart()->theme(), QChart::ChartThemeDark);
  QApplication::setPalette(light);
  QCoreApplication::processEvents();
  QCOMPARE(dialog.chart()->theme(), QChart::ChartThemeLight);
  QVERIFY(light_heading == heading_colour());
  help->close();
}

QTEST_MAIN(ColoursTest)
#include "colours_test.moc"
