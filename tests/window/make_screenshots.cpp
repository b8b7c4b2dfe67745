// Makes the README's screenshots with the program's own window, drawn offscreen:
//   vornmark_screenshots FOLDER [LANGUAGE]
// writes FOLDER/first-start.png, FOLDER/game-in-progress.png and FOLDER/place-mode.png, then the
// same game a volley on in each colour scheme beside Classic, with the hint on and an earlier volley
// highlighted: FOLDER/colours-colour-blind-safe.png and FOLDER/colours-high-contrast.png. The games
// are the same on every run (the generator unseeded, as with the switch -D3). With a language (de,
// pt_BR, ...), the game in progress only, in that language: FOLDER/game-in-progress-LANGUAGE.png.

#include <QAction>
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "play/play_flow.h"
#include "window/game_language.h"
#include "window/main_window.h"
#include "window/menu_commands.h"
#include "window_test_support.h"

using namespace vornmark;
using namespace vornmark::testing;

namespace {

const QSize kWindowSize(1000, 720);

bool save(QWidget& window, const QString& file) {
  QTest::qWait(50);
  if (!window.grab().toImage().save(file)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
  }
  return true;
}

// Fires one volley: one shot at a cell of one of the computer's ships (the picture should show some
// hits), the rest at cells walked in a fixed stride over the grid, skipping shot cells.
void fire_volley(Match& match, PlayFlow& flow, int ship_id, int& walker) {
  const int cells = match.grid() * match.grid();
  for (int cell = 0; cell < cells; ++cell) {
    const int column = cell % match.grid();
    const int row = cell / match.grid();
    if (match.my_sea().cell(column, row) == ship_id && match.his_shots().cell(column, row) == 0) {
      flow.on_left_press(ClickTarget::grid(column, row));
      break;
    }
  }
  while (match.play_state() == PlayState::PlayerAiming &&
         match.counters().next_shot <= match.counters().player_shots_per_volley) {
    walker = (walker + 37) % cells;
    const int column = walker % match.grid();
    const int row = walker / match.grid();
    if (match.his_shots().cell(column, row) == 0) flow.on_left_press(ClickTarget::grid(column, row));
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER [LANGUAGE]\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString language = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
  const GameTranslations translations(language.isEmpty() ? QStringLiteral("en") : language);
  if (!language.isEmpty() && translations.language() == QLatin1String("en")) {
    std::fprintf(stderr, "no translation into %s\n", argv[2]);
    return 1;
  }

  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform, "-D3");
  match->mutable_settings().NumberOfShots = 6;
  MainWindow window(*match, platform, kWindowSize);
  window.show();
  PlayFlow& flow = window.flow();

  // The first start: the idle window's guidance.
  if (language.isEmpty() && !save(window, folder + QStringLiteral("/first-start.png"))) return 1;

  // Place mode: the fleet scattered, the Battleship selected.
  window.action(kCommandPlace)->trigger();
  flow.on_left_press(ClickTarget::status());
  flow.on_left_press(ClickTarget::panel(kBattleship, 0));
  if (language.isEmpty() && !save(window, folder + QStringLiteral("/place-mode.png"))) return 1;

  // A game in progress: a few exchanges, then the player halfway through a volley.
  window.action(kCommandNewGame)->trigger();
  int walker = 11;
  for (int exchange = 0; exchange < 3 && match->play_state() == PlayState::PlayerAiming; ++exchange) {
    fire_volley(*match, flow, exchange + 1, walker);
    flow.on_left_press(ClickTarget::status());  // see what you hit
    flow.on_left_press(ClickTarget::status());  // Vornmark's turn
    flow.on_left_press(ClickTarget::status());  // the next volley
  }
  for (int shot = 0; shot < 2; ++shot) {
    walker = (walker + 37) % (match->grid() * match->grid());
    if (match->his_shots().cell(walker % match->grid(), walker / match->grid()) == 0)
      flow.on_left_press(ClickTarget::grid(walker % match->grid(), walker / match->grid()));
  }
  if (!language.isEmpty())
    return save(window, folder + QStringLiteral("/game-in-progress-") + language + QStringLiteral(".png")) ? 0 : 1;
  if (!save(window, folder + QStringLiteral("/game-in-progress.png"))) return 1;

  // The colour schemes: Vornmark's volley over the player's fleet (ships, hits and misses) would
  // not show the hint, so the player's volley is shown, aimed halfway, the hint on, a hit held.
  window.action(kCommandHint)->trigger();
  flow.on_left_press(ClickTarget::panel(kCorvette, 0));
  const std::pair<int, const char*> schemes[] = {{kCommandSchemeColourBlindSafe, "colour-blind-safe"},
                                                 {kCommandSchemeHighContrast, "high-contrast"}};
  for (const auto& [command, name] : schemes) {
    window.action(command)->trigger();
    if (!save(window, folder + QStringLiteral("/colours-") + QLatin1String(name) + QStringLiteral(".png"))) return 1;
  }
  return 0;
}
