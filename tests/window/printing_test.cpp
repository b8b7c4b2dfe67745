// File/Print into a PDF file: the page shows the grid, panels, button, labels and legend in
// the colours of the screen at the printer's resolution, and the screen's layout and picture
// are the same afterwards.

#include <QAction>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>
#include <set>
#include <tuple>

#include "support/temp_dir.h"
#include "window/game_surface.h"
#include "window/main_window.h"
#include "window/menu_commands.h"
#include "window/qt_printer.h"
#include "window_test_support.h"

using namespace vornmark;
using namespace vornmark::testing;

namespace {

constexpr int kPrinterDpi = 240;
const QSizeF kPageInches(8, 11);  // 1920 x 2640 printer pixels

bool is_ink(const QColor& colour) { return std::max({colour.red(), colour.green(), colour.blue()}) < 90; }

QRect ink_box(const QImage& image, const Rect& area) {
  QRect box;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (is_ink(image.pixelColor(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

int count_of(const QImage& image, const Rect& area, Rgb wanted) {
  int count = 0;
  for (int y = std::max(area.top, 0); y < area.bottom; ++y)
    for (int x = std::max(area.left, 0); x < area.right; ++x) count += pixel_rgb(image, {x, y}) == wanted;
  return count;
}

// The layout that printing draws with: square cells scaled to the page, the rest as on screen.
Layout paper_layout(const Layout& screen, const Match& match, int width, int height) {
  Layout paper = screen;
  const int n = match.settings().MaxCells;
  const auto side = static_cast<std::int16_t>(std::min(width / (n + 5), height / (n + 1)));
  paper.cell_width = side;
  paper.cell_height = side;
  layout_board_and_panels(paper, match);
  return paper;
}

QImage rasterise(const QString& pdf, const QString& prefix) {
  QProcess pdftoppm;
  pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kPrinterDpi),
                                              QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
  if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0) return {};
  return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QString pdf_title(const QString& pdf) {
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
  pdfinfo.waitForFinished(30000);
  for (const QString& line : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split(QLatin1Char('\n')))
    if (line.startsWith(QStringLiteral("Title:"))) return line.mid(6).trimmed();
  return {};
}

}  // namespace

class PrintingTest : public QObject {
  Q_OBJECT

 private slots:
  void printed_page_shows_the_screen_colours();
  void without_a_default_printer_nothing_happens();
};

void PrintingTest::printed_page_shows_the_screen_colours() {
  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform);
  MainWindow window(*match, platform, QSize(1000, 760));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  // A game in progress: one resolved volley (Grey shots, hits in the panels) and one shot of
  // the current volley (LightCyan), the player firing again at once.
  GameSettings& settings = match->mutable_settings();
  settings.AutomaticMode = 0;
  settings.DefenseMode = 1;
  settings.PausePlayer = 0;
  settings.NumberOfShots = 4;
  window.action(kCommandNewGame)->trigger();
  std::vector<QPoint> ships;
  std::vector<QPoint> water;
  for (int row = 0; row < match->grid(); ++row)
    for (int column = 0; column < match->grid(); ++column)
      (match->my_sea().cell(column, row) != 0 ? ships : water).emplace_back(column, row);
  for (QPoint cell : {ships[0], ships[1], water[0], water[1]})
    window.flow().on_left_press(ClickTarget::grid(cell.x(), cell.y()));
  window.flow().on_left_press(ClickTarget::status());
  QCOMPARE(match->counters().player_volley, 2);
  window.flow().on_left_press(ClickTarget::grid(water[2].x(), water[2].y()));

  const QImage screen = window.surface()->grab().toImage();
  const Layout screen_layout = window.layout();  // as the paint left it

  TempDir folder;
  const QString pdf = QString::fromStdString((folder / "page.pdf").string());
  window.set_printers(std::make_unique<PdfPrinters>(pdf, kPageInches, kPrinterDpi));
  window.action(kCommandPrint)->trigger();

  QVERIFY(window.layout() == screen_layout);
  QCOMPARE(window.surface()->grab().toImage(), screen);
  QVERIFY(platform.boxes.empty());
  QCOMPARE(pdf_title(pdf), QStringLiteral("Vornmark: printing"));

  const QImage page = rasterise(pdf, QString::fromStdString((folder / "page").string()));
  QCOMPARE(page.size(), QSize(1920, 2640));
  const Layout paper = paper_layout(screen_layout, *match, 1920, 2640);
  QCOMPARE(paper.cell_width, std::int16_t{96});
  QCOMPARE(paper.board_rect, (Rect{480, 48, 1920, 1488}));

  // Every grid cell and every panel cell in the screen's colour.
  std::set<std::tuple<int, int, int>> colours;
  for (int column = 0; column < match->grid(); ++column)
    for (int row = 0; row < match->grid(); ++row) {
      const Rgb on_screen = pixel_rgb(screen, grid_cell_corner(screen_layout, column, row));
      QCOMPARE(pixel_rgb(page, grid_cell_corner(paper, column, row)), on_screen);
      colours.insert({on_screen.red, on_screen.green, on_screen.blue});
    }
  QCOMPARE(colours.size(), std::size_t{3});  // White, Grey and LightCyan
  for (int ship = 0; ship < 4; ++ship)
    for (int cell = 0; match->my_fleet()[ship].hit_at(cell) >= 0; ++cell) {
      const Rect on_screen = panel_cell_rect(screen_layout, ship, cell);
      const Rect on_paper = panel_cell_rect(paper, ship, cell);
      QCOMPARE(pixel_rgb(page, {on_paper.left + 2, on_paper.top + 2}),
               pixel_rgb(screen, {on_screen.left + 2, on_screen.top + 2}));
    }
  const Rect status = screen_layout.status_rect;
  QCOMPARE(pixel_rgb(page, {status.left + 2, status.top + 2}), colour_rgb(Colour::Grey));

  // Labels and legend on boxes of the window's Teal; the paper itself stays white.
  QVERIFY(count_of(page, column_label_rect(paper, 12), colour_rgb(Colour::Teal)) > 50);
  QVERIFY(count_of(page, row_label_rect(paper, 3), colour_rgb(Colour::Teal)) > 50);
  QVERIFY(count_of(page, legend_rect_for(paper, false), colour_rgb(Colour::Teal)) > 200);
  QCOMPARE(pixel_rgb(page, {5, 2630}), (Rgb{255, 255, 255}));

  // The 8-point font at 240 dpi: digits about 19 printer pixels high, not the screen's 8.
  const QRect digit = ink_box(page, row_label_rect(paper, 7));
  QVERIFY2(digit.height() >= 15 && digit.height() <= 25, qPrintable(QString::number(digit.height())));
}

void PrintingTest::without_a_default_printer_nothing_happens() {
  if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this system has a default printer");
  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform);
  MainWindow window(*match, platform, QSize(800, 600));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  window.action(kCommandPlace)->trigger();
  const Layout before = window.layout();
  window.action(kCommandPrint)->trigger();
  QVERIFY(window.layout() == before);
  QVERIFY(platform.boxes.empty());
  QCOMPARE(match->play_state(), PlayState::Placing);
}

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
