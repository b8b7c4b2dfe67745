// The game in every language it speaks, and in a pseudo-language whose every text is longer by half
// and accented: at the smallest window every text drawn on the board fits its box, the menus and the
// dialogs show no text cut short, nothing is left in English; the right-to-left language mirrors the
// menus but not the board; the player's choice of language is kept in the settings file.

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>
#include <memory>

#include "play/game_recorder.h"
#include "presentation/painting.h"
#include "setup/settings_file.h"
#include "support/temp_dir.h"
#include "window/game_language.h"
#include "window/game_surface.h"
#include "window/game_wording.h"
#include "window/geometry_dialog.h"
#include "window/help_window.h"
#include "window/main_window.h"
#include "window/menu_commands.h"
#include "window/options_dialog.h"
#include "window/pacing_dialog.h"
#include "window/qt_canvas.h"
#include "window/statistics_dialog.h"
#include "window_test_support.h"

using namespace vornmark;
using namespace vornmark::testing;

namespace {

// The board's part of the smallest window: a 1024 x 600 screen less a panel, a title bar and the
// menu bar.
const QSize kSmallest(1024, 520);
const QString kPseudo = QStringLiteral("pseudo");

// The pseudo-language, or a language's translations, installed for as long as this lives.
class Speaking {
 public:
  explicit Speaking(const QString& language) {
    if (language != kPseudo) {
      translations_ = std::make_unique<GameTranslations>(language);
      return;
    }
    QVERIFY(pseudo_.load(qEnvironmentVariable("VORNMARK_PSEUDO_QM")));
    QCoreApplication::installTranslator(&pseudo_);
  }
  ~Speaking() { QCoreApplication::removeTranslator(&pseudo_); }

 private:
  std::unique_ptr<GameTranslations> translations_;
  QTranslator pseudo_;
};

// Whether a text the player reads is in the pseudo-language (names, numbers and keys aside).
bool pseudo_or_name(const QString& text) {
  static const QRegularExpression plain(QStringLiteral("^[0-9 .,:%×+()/–-]*$"));
  // Texts shorter than four characters are volleys' letters and numbers, never translated.
  return text.size() < 4 || text.contains(QLatin1Char('[')) || plain.match(text).hasMatch() ||
         text == QLatin1String("Vornmark");
}

// The board painted at the smallest window in each state of a whole game, every text drawn in it
// checked against its box and, in the pseudo-language, for words left in English.
QStringList board_faults(const QString& language) {
  QStringList faults;
  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform, "-D3");
  match->mutable_settings().NumberOfShots = 6;
  match->mutable_settings().Hint = 1;
  match->mutable_settings().VornmarkView = 1;
  MainWindow window(*match, platform, kSmallest);
  PlayFlow& flow = window.flow();
  layout_window(window.layout(), *match, kSmallest.width(), kSmallest.height());

  const auto paint = [&](const char* state) {
    QImage image(kSmallest, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, 96);
    canvas.watch_fit([&](const QtCanvas::TextFit& fit) {
      if (fit.needed.width() > fit.area.width() || fit.needed.height() > fit.area.height())
        faults << QStringLiteral("%1, %2: \"%3\" needs %4 x %5 in %6 x %7")
                      .arg(language, QLatin1String(state), fit.text)
                      .arg(fit.needed.width())
                      .arg(fit.needed.height())
                      .arg(fit.area.width())
                      .arg(fit.area.height());
      if (language == kPseudo && !pseudo_or_name(fit.text))
        faults << QStringLiteral("%1, %2: \"%3\" left in English").arg(language, QLatin1String(state), fit.text);
    });
    paint_window(*match, flow.scene(), window.layout(), canvas);
    if (language == kPseudo && !pseudo_or_name(window.windowTitle()) && window.windowTitle().contains(QLatin1Char('(')))
      faults << QStringLiteral("%1, %2: title \"%3\" left in English")
                    .arg(language, QLatin1String(state), window.windowTitle());
  };

  window.action(kCommandPlace)->trigger();
  paint("placing");
  flow.on_left_press(ClickTarget::status());  // scatter
  window.action(kCommandNewGame)->trigger();
  for (int volley = 0; volley < 200 && flow.match().play_state() != PlayState::PlayerWon &&
                       flow.match().play_state() != PlayState::ComputerWon;
       ++volley) {
    paint("aiming");
    const int grid = match->grid();
    for (int cell = 0; cell < grid * grid && match->counters().next_shot <= match->counters().player_shots_per_volley;
         ++cell)
      if (match->his_shots().cell(cell % grid, cell / grid) == 0)
        flow.on_left_press(ClickTarget::grid(cell % grid, cell / grid));
    paint("volley fired");
    flow.on_left_press(ClickTarget::status());
    paint("what you hit");
    flow.on_left_press(ClickTarget::status());
    paint("Vornmark's volley");
    if (match->play_state() == PlayState::ComputerVolleyShown) flow.on_left_press(ClickTarget::status());
  }
  paint("won or lost");
  flow.on_left_press(ClickTarget::status());
  paint("the end");
  return faults;
}

// Every text of a widget and its children that a box would cut short, and in the pseudo-language
// every one left in English.
QStringList widget_faults(QWidget& top, const QString& language) {
  QStringList faults;
  top.show();
  top.adjustSize();
  QTest::qWait(1);
  const QString where = language + QStringLiteral(", ") + top.windowTitle();
  if (top.width() > kSmallest.width() || top.height() > kSmallest.height() + 80)
    faults
        << QStringLiteral("%1: %2 x %3, larger than the smallest screen").arg(where).arg(top.width()).arg(top.height());
  const auto check = [&](QWidget* widget, const QString& text) {
    if (!widget->isVisible() || text.isEmpty()) return;
    if (widget->width() < widget->minimumSizeHint().width() || widget->height() < widget->minimumSizeHint().height())
      faults << QStringLiteral("%1: \"%2\" cut short").arg(where, text);
    if (language == kPseudo && !pseudo_or_name(QString(text).remove(QLatin1Char('&'))))
      faults << QStringLiteral("%1: \"%2\" left in English").arg(where, text);
  };
  for (QLabel* label : top.findChildren<QLabel*>()) check(label, label->text());
  for (QAbstractButton* button : top.findChildren<QAbstractButton*>()) {
    // Qt's own standard buttons are worded by Qt's translations, which the pseudo-language lacks.
    const auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
    if (language == kPseudo && box != nullptr && box->standardButton(button) != QDialogButtonBox::NoButton &&
        button->text() == QLatin1String("Close"))
      continue;
    check(button, button->text());
  }
  for (QGroupBox* box : top.findChildren<QGroupBox*>()) check(box, box->title());
  for (QTableWidget* table : top.findChildren<QTableWidget*>())
    for (int column = 0; column < table->columnCount(); ++column) {
      const QString title = table->horizontalHeaderItem(column)->text();
      if (table->horizontalHeader()->sectionSize(column) <
          table->horizontalHeader()->fontMetrics().horizontalAdvance(title))
        faults << QStringLiteral("%1: column \"%2\" cut short").arg(where, title);
      if (language == kPseudo && !pseudo_or_name(title))
        faults << QStringLiteral("%1: column \"%2\" left in English").arg(where, title);
    }
  return faults;
}

QStringList menu_faults(MainWindow& window, const QString& language) {
  QStringList faults;
  for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
    // The languages are named in themselves.
    if (action->text().isEmpty() || action->isSeparator() || action->data().typeId() == QMetaType::QString) continue;
    if (language == kPseudo && !pseudo_or_name(action->text()))
      faults << QStringLiteral("%1, menu: \"%2\" left in English").arg(language, action->text());
  }
  return faults;
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void every_language_fits_the_smallest_window_data();
  void every_language_fits_the_smallest_window();
  void the_right_to_left_language_mirrors_the_menus_not_the_board();
  void the_players_choice_is_kept_and_each_language_found();
};

void TranslationsTest::every_language_fits_the_smallest_window_data() {
  QTest::addColumn<QString>("language");
  QTest::newRow("English") << QStringLiteral("en");
  QTest::newRow("pseudo") << kPseudo;
  for (const GameLanguage& language : game_languages())
    if (QLatin1String(language.code) != QLatin1String("en")) QTest::newRow(language.code) << QString(language.code);
}

void TranslationsTest::every_language_fits_the_smallest_window() {
  QFETCH(QString, language);
  const Speaking speaking(language);
  QStringList faults = board_faults(language);

  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform, "-D3");
  MainWindow window(*match, platform, kSmallest);
  faults << menu_faults(window, language);
  OptionsDialog options(window.flow(), &window);
  PacingDialog pacing(*match, &window);
  GeometryDialog geometry(*match, &window);
  StatisticsDialog statistics(window.recorder(), &window);
  HelpWindow help(&window);
  for (QWidget* dialog : std::initializer_list<QWidget*>{&options, &pacing, &geometry, &statistics, &help}) {
    faults << widget_faults(*dialog, language);
    dialog->hide();
  }
  if (!faults.isEmpty()) QFAIL(qPrintable(faults.mid(0, 12).join(QLatin1Char('\n'))));
}

void TranslationsTest::the_right_to_left_language_mirrors_the_menus_not_the_board() {
  // The same position painted in English and in Arabic: the board's pixels are the same (its
  // numbers and columns left to right), the menus run from the right.
  const auto board = [](const QString& language, Qt::LayoutDirection& menus) {
    const Speaking speaking(language);
    TestPlatform platform;
    std::unique_ptr<Match> match = started_match(platform, "-D3");
    MainWindow window(*match, platform, kSmallest);
    layout_window(window.layout(), *match, kSmallest.width(), kSmallest.height());
    window.action(kCommandPlace)->trigger();
    window.flow().on_left_press(ClickTarget::status());
    window.action(kCommandNewGame)->trigger();
    for (int cell = 0; cell < 5; ++cell) window.flow().on_left_press(ClickTarget::grid(cell, cell));
    menus = window.menuBar()->layoutDirection();
    QImage image(kSmallest, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, 96);
    paint_window(*match, window.flow().scene(), window.layout(), canvas);
    const Rect& grid = window.layout().board_rect;
    return image.copy(QRect(grid.left, grid.top, grid.right - grid.left, grid.bottom - grid.top));
  };
  Qt::LayoutDirection english_menus = Qt::RightToLeft;
  Qt::LayoutDirection arabic_menus = Qt::LeftToRight;
  const QImage english = board(QStringLiteral("en"), english_menus);
  const QImage arabic = board(QStringLiteral("ar"), arabic_menus);
  QCOMPARE(english_menus, Qt::LeftToRight);
  QCOMPARE(arabic_menus, Qt::RightToLeft);
  QVERIFY2(english == arabic, "the board is drawn the same in both languages");
  QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);  // and all is put back
}

void TranslationsTest::the_players_choice_is_kept_and_each_language_found() {
  // The choice is written under its own key, beside whatever the file holds, and read back; an
  // unknown code reads as the desktop's language.
  const TempDir dir;
  QVERIFY(save_settings(GameSettings{}, dir.path()));
  QCOMPARE(chosen_language(dir.path()), QString());
  QVERIFY(choose_language(dir.path(), QStringLiteral("pt_BR")));
  QVERIFY(save_settings(GameSettings{}, dir.path()));
  QCOMPARE(chosen_language(dir.path()), QStringLiteral("pt_BR"));
  QVERIFY(!choose_language(dir.path(), QStringLiteral("xx")));
  QVERIFY(save_text_setting(dir.path(), kLanguageKey, "xx"));
  QCOMPARE(chosen_language(dir.path()), QString());

  // Every language offered has its translation, which says it is that language, and its help.
  for (const GameLanguage& language : game_languages()) {
    const QString code = QString::fromUtf8(language.code);
    const GameTranslations translations(code);
    QCOMPARE(QLocale(translations.language()).name().section(QLatin1Char('_'), 0, 0),
             code.section(QLatin1Char('_'), 0, 0));
    QTextBrowser* browser = nullptr;
    HelpWindow help(nullptr);
    browser = help.findChild<QTextBrowser*>();
    QVERIFY(browser != nullptr);
    help.show_page(kHelpContents);
    const bool translated = !browser->toHtml().contains(QLatin1String("Contents"));
    QVERIFY2(translated == (code != QLatin1String("en")), qPrintable(code + QStringLiteral(": the help's language")));
  }
}

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
