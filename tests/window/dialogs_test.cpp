// The three option dialogs on top of the dialog logic: their controls and texts, the checks on
// OK with the boxes they raise and the focus they move, and the Geometry and Pacing commands.

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "play/quiet_view.h"
#include "window/geometry_dialog.h"
#include "window/main_window.h"
#include "window/menu_commands.h"
#include "window/options_dialog.h"
#include "window/pacing_dialog.h"
#include "window_test_support.h"

using namespace vornmark;
using namespace vornmark::testing;

namespace {

QString unwrapped(const QAbstractButton* button) {
  QString text = button->text();
  return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QStringList group_titles(const QWidget* dialog) {
  QStringList titles;
  for (const QGroupBox* box : dialog->findChildren<QGroupBox*>()) titles << box->title();
  return titles;
}

QStringList label_texts(const QWidget* dialog) {
  QStringList texts;
  for (const QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
  return texts;
}

// Shows the dialog as the active window, so that focus moves can be observed.
void show_active(QDialog& dialog) {
  dialog.show();
  dialog.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

struct Options {
  Options() : match(started_match(platform)), flow(*match, view) {}

  TestPlatform platform;
  std::unique_ptr<Match> match;
  QuietView view;  // the dialogs need only the flow's game
  PlayFlow flow;
};

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void options_dialog_shows_the_settings();
  void threshold_outside_1_to_30_warns_and_keeps_the_dialog();
  void warning_cancel_on_the_threshold_ends_the_program();
  void shots_outside_1_to_10_are_refused_in_a_box_of_the_dialog();
  void choosing_manual_starts_a_new_game_once();
  void geometry_accepts_4_to_30_only();
  void geometry_command_resizes_boards_and_layout();
  void pacing_stores_the_two_pauses();
  void options_command_opens_the_dialog_modally();
};

void DialogsTest::options_dialog_shows_the_settings() {
  Options options;
  GameSettings& settings = options.match->mutable_settings();
  settings.AmbiguityThreshold = 17;
  settings.NumberOfShots = 6;
  settings.PlayLevel = kAdvanced;
  settings.AutomaticMode = 0;
  options.match->set_who_starts(WhoStarts::Computer);

  OptionsDialog dialog(options.flow, nullptr);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Vornmark Options"));
  QCOMPARE(group_titles(&dialog), (QStringList{"Mode of Play", "Who starts", "Level of Play"}));
  QVERIFY(label_texts(&dialog).contains(QStringLiteral("Ambiguity Threshold \n(1-10)")));
  QVERIFY(label_texts(&dialog).contains(QStringLiteral("Shots per volley")));
  QCOMPARE(unwrapped(dialog.automatic()),
           QStringLiteral("Automatic (Vornmark will automatically figure out where it has hit you)"));
  QVERIFY(dialog.automatic()->text().contains(QLatin1Char('\n')));  // a multi-line button
  QCOMPARE(unwrapped(dialog.manual()), QStringLiteral("Manual (you tell Vornmark where it has hit you)"));
  QCOMPARE(unwrapped(dialog.offense()), QStringLiteral("Offense (Vornmark does not fire at you)"));
  QCOMPARE(dialog.you()->text(), QStringLiteral("You"));
  QCOMPARE(dialog.computer()->text(), QStringLiteral("Computer"));
  QCOMPARE(dialog.level(0)->text(), QStringLiteral("Novice"));
  QCOMPARE(dialog.level(1)->text(), QStringLiteral("Intermediate"));
  QCOMPARE(dialog.level(2)->text(), QStringLiteral("Advanced"));
  QCOMPARE(dialog.level(3)->text(), QStringLiteral("Expert"));
  QVERIFY(!dialog.level(3)->isHidden());  // the Expert is offered to every player
  QCOMPARE(dialog.ok_button()->text(), QStringLiteral("OK"));
  QVERIFY(dialog.ok_button()->isDefault());

  QVERIFY(dialog.manual()->isChecked());
  QVERIFY(!dialog.automatic()->isChecked() && !dialog.offense()->isChecked());
  QVERIFY(dialog.computer()->isChecked() && !dialog.you()->isChecked());
  QVERIFY(dialog.level(2)->isChecked() && !dialog.level(0)->isChecked() && !dialog.level(1)->isChecked() &&
          !dialog.level(3)->isChecked());
  QCOMPARE(dialog.threshold()->text(), QStringLiteral("17"));
  QCOMPARE(dialog.shots()->text(), QStringLiteral("6"));

  // Offense wins over Automatic; a level outside 0 to 3 checks none of the four.
  settings.AutomaticMode = 1;
  settings.DefenseMode = 1;
  settings.PlayLevel = 5;
  OptionsDialog offense(options.flow, nullptr);
  QVERIFY(offense.offense()->isChecked());
  for (int level = 0; level < 4; ++level) QVERIFY(!offense.level(level)->isChecked());
}

void DialogsTest::threshold_outside_1_to_30_warns_and_keeps_the_dialog() {
  for (const char* bad : {"0", "31", "x"}) {
    Options options;
    OptionsDialog dialog(options.flow, nullptr);
    show_active(dialog);
    QCOMPARE(QApplication::focusWidget(), dialog.ok_button());  // the first control
    dialog.threshold()->setText(QString::fromLatin1(bad));
    dialog.shots()->setText(QStringLiteral("99"));  // not looked at
    dialog.level(0)->setChecked(true);
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);

    QCOMPARE(options.platform.boxes.size(), std::size_t{1});
    const TestPlatform::Box& box = options.platform.boxes[0];
    QCOMPARE(box.caption, std::string("Vornmark"));
    QCOMPARE(box.text, std::string("Ambiguity Threshold must be between 1 and 30"));
    QCOMPARE(box.buttons, BoxButtons::OkCancel);
    QCOMPARE(box.icon, BoxIcon::Warning);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(QApplication::focusWidget(), dialog.threshold());
    QCOMPARE(options.match->settings().AmbiguityThreshold, 10);
    QCOMPARE(options.match->settings().NumberOfShots, 10);
    QCOMPARE(options.match->settings().PlayLevel, 0);  // the steps before the check took effect
  }

  Options options;
  OptionsDialog dialog(options.flow, nullptr);
  show_active(dialog);
  dialog.threshold()->setText(QStringLiteral("30"));
  QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
  QVERIFY(options.platform.boxes.empty());
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QCOMPARE(options.match->settings().AmbiguityThreshold, 30);
}

void DialogsTest::warning_cancel_on_the_threshold_ends_the_program() {
  Options options;
  OptionsDialog dialog(options.flow, nullptr);
  dialog.threshold()->setText(QStringLiteral("0"));
  options.platform.answers.push_back(BoxAnswer::Cancel);
  bool ended = false;
  try {
    dialog.accept();
  } catch (const ExitRequested& exit) {
    ended = exit.code == 0;
  }
  QVERIFY(ended);
}

void DialogsTest::shots_outside_1_to_10_are_refused_in_a_box_of_the_dialog() {
  for (const char* bad : {"0", "11", ""}) {
    Options options;
    OptionsDialog dialog(options.flow, nullptr);
    show_active(dialog);
    dialog.threshold()->setText(QStringLiteral("12"));
    dialog.shots()->setText(QString::fromLatin1(bad));
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);

    QCOMPARE(options.platform.boxes.size(), std::size_t{1});
    const TestPlatform::Box& box = options.platform.boxes[0];
    QCOMPARE(box.caption, std::string("Error"));
    QCOMPARE(box.text, std::string("Shots per volley must be between 1 and 10"));
    QCOMPARE(box.buttons, BoxButtons::Ok);
    QCOMPARE(box.owner_widget.data(), static_cast<QWidget*>(&dialog));
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::focusWidget(), dialog.shots());
    QCOMPARE(options.match->settings().AmbiguityThreshold, 12);  // stored before the failed check
    QCOMPARE(options.match->settings().NumberOfShots, 10);

    // Put right, the same dialog closes.
    dialog.shots()->setText(QStringLiteral("10"));
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(options.match->settings().NumberOfShots, 10);
  }
  Options options;
  OptionsDialog dialog(options.flow, nullptr);
  dialog.shots()->setText(QStringLiteral("1"));
  dialog.accept();
  QCOMPARE(options.match->settings().NumberOfShots, 1);
}

void DialogsTest::choosing_manual_starts_a_new_game_once() {
  Options options;
  Match& match = *options.match;
  QCOMPARE(match.settings().AutomaticMode, 1);
  {
    OptionsDialog dialog(options.flow, nullptr);
    dialog.manual()->setChecked(true);
    dialog.computer()->setChecked(true);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }
  QCOMPARE(match.settings().AutomaticMode, 0);
  QCOMPARE(match.game_counter(), 1);
  QCOMPARE(match.who_starts(), WhoStarts::Computer);
  {
    OptionsDialog dialog(options.flow, nullptr);
    QVERIFY(dialog.manual()->isChecked());
    dialog.accept();
  }
  QCOMPARE(match.game_counter(), 1);
  QCOMPARE(match.play_state(), PlayState::Idle);  // mode changes leave the state and the views alone
}

void DialogsTest::geometry_accepts_4_to_30_only() {
  for (const char* bad : {"3", "31"}) {
    Options options;
    GeometryDialog dialog(*options.match, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Geometry"));
    QVERIFY(label_texts(&dialog).contains(QStringLiteral("Number of squares (4-30)")));
    QCOMPARE(dialog.grid_size()->text(), QStringLiteral("15"));
    show_active(dialog);
    dialog.grid_size()->setText(QString::fromLatin1(bad));
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QCOMPARE(options.platform.boxes.size(), std::size_t{1});
    QCOMPARE(options.platform.boxes[0].caption, std::string("Grid size error"));
    QCOMPARE(options.platform.boxes[0].text, std::string("Grid size must be between 4 and 30"));
    QCOMPARE(options.platform.boxes[0].buttons, BoxButtons::Ok);
    QCOMPARE(options.platform.boxes[0].owner_widget.data(), static_cast<QWidget*>(&dialog));
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::focusWidget(), dialog.ok_button());  // the focus stays where it was
    QCOMPARE(options.match->settings().MaxCells, 15);
  }
  for (const char* good : {"4", "30"}) {
    Options options;
    GeometryDialog dialog(*options.match, nullptr);
    dialog.grid_size()->setText(QString::fromLatin1(good));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(options.match->settings().MaxCells, std::atoi(good));
    QVERIFY(options.platform.boxes.empty());
  }
}

void DialogsTest::geometry_command_resizes_boards_and_layout() {
  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform);
  MainWindow window(*match, platform, QSize(900, 700));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.layout().grid, 15);

  const ModalVisit visit = on_next_modal(
      [](QWidget* modal) {
        auto* dialog = qobject_cast<GeometryDialog*>(modal);
        QVERIFY(dialog != nullptr);
        dialog->grid_size()->setText(QStringLiteral("8"));
        dialog->ok_button()->click();
      },
      [&] { window.handle_command(kCommandGeometry); });
  QVERIFY(visit.found);
  QCOMPARE(visit.title, QStringLiteral("Geometry"));
  QCOMPARE(match->settings().MaxCells, 8);
  QCOMPARE(match->his_shots().width(), 8);
  QCOMPARE(window.layout().grid, 8);
  const Rect board = window.layout().board_rect;
  QCOMPARE(board.right, cell_x(window.layout(), 8));
  const ClickTarget last = classify_click(window.layout(), pack_position(board.right - 1, board.bottom - 1));
  QCOMPARE(last.kind, ClickKind::GridCell);
  QCOMPARE(last.column, 7);
  QCOMPARE(last.row, 7);
}

void DialogsTest::pacing_stores_the_two_pauses() {
  Options options;
  GameSettings& settings = options.match->mutable_settings();
  settings.PausePlayer = 1;
  settings.PauseVornmark = 0;
  {
    PacingDialog dialog(*options.match, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Pacing"));
    QCOMPARE(dialog.pause_after_player()->text(), QStringLiteral("Pause after your shots?"));
    QCOMPARE(dialog.pause_after_vornmark()->text(), QStringLiteral("Pause after Vornmark's shots?"));
    QVERIFY(dialog.pause_after_player()->isChecked());
    QVERIFY(!dialog.pause_after_vornmark()->isChecked());
    dialog.pause_after_player()->setChecked(false);
    dialog.pause_after_vornmark()->setChecked(true);
    dialog.reject();  // Cancel changes nothing
  }
  QCOMPARE(int(settings.PausePlayer), 1);
  QCOMPARE(int(settings.PauseVornmark), 0);
  {
    PacingDialog dialog(*options.match, nullptr);
    dialog.pause_after_player()->setChecked(false);
    dialog.pause_after_vornmark()->setChecked(true);
    dialog.accept();
  }
  QCOMPARE(int(settings.PausePlayer), 0);
  QCOMPARE(int(settings.PauseVornmark), 1);
  for (int twice = 0; twice < 2; ++twice) {
    PacingDialog dialog(*options.match, nullptr);
    dialog.accept();
    QCOMPARE(int(settings.PausePlayer), 0);
    QCOMPARE(int(settings.PauseVornmark), 1);
  }
}

void DialogsTest::options_command_opens_the_dialog_modally() {
  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform);
  MainWindow window(*match, platform, QSize(900, 700));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const GameSettings before = match->settings();

  ModalVisit visit = on_next_modal(
      [](QWidget* modal) {
        auto* dialog = qobject_cast<OptionsDialog*>(modal);
        QVERIFY(dialog != nullptr);
        dialog->shots()->setText(QStringLiteral("5"));
        dialog->reject();
      },
      [&] { window.handle_command(kCommandMisc); });
  QVERIFY(visit.found);
  QCOMPARE(visit.title, QStringLiteral("Vornmark Options"));
  QVERIFY(match->settings() == before);

  visit = on_next_modal(
      [](QWidget* modal) {
        auto* dialog = qobject_cast<PacingDialog*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->parentWidget() != nullptr, true);
        dialog->pause_after_player()->setChecked(false);
        dialog->ok_button()->click();
      },
      [&] { window.handle_command(kCommandPacing); });
  QVERIFY(visit.found);
  QCOMPARE(visit.title, QStringLiteral("Pacing"));
  QCOMPARE(int(match->settings().PausePlayer), 0);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
