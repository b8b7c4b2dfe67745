// The Statistics dialog on a known record: its rows, the chart's bars for the selected row as the
// arrows move the selection, Reset asking first, and the command that opens it.

#include "window/statistics_dialog.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "play/game_recorder.h"
#include "setup/settings_file_ops.h"
#include "support/temp_dir.h"
#include "window/main_window.h"
#include "window/menu_commands.h"
#include "window_test_support.h"

using namespace vornmark;
using namespace vornmark::testing;

namespace {

// Two records: Novice on 4 x 4 in Manual mode, and Intermediate on 15 x 15 with the hint.
constexpr const char* kRecord =
    "[level=novice grid=4 shots=1 mode=manual hint=off]\n"
    "played=4\nwon=3\nlost=1\nabandoned=0\ncurrent_streak=2\nlongest_streak=2\n"
    "won_volleys=9:2 11:1\nlost_volleys=10:1\n"
    "[level=intermediate grid=15 shots=10 mode=automatic hint=on]\n"
    "played=2\nwon=1\nlost=0\nabandoned=1\ncurrent_streak=0\nlongest_streak=1\n"
    "won_volleys=21:1\nlost_volleys=\n";

QStringList row_texts(const QTableWidget* table, int row) {
  QStringList texts;
  for (int c = 0; c < table->columnCount(); ++c) texts << table->item(row, c)->text();
  return texts;
}

// The bars of the chart: each set's name and values, with the categories.
QStringList bars(const QChart* chart) {
  QStringList found;
  for (QAbstractSeries* series : chart->series()) {
    auto* bar_series = qobject_cast<QBarSeries*>(series);
    if (bar_series == nullptr) continue;
    for (const QBarSet* set : bar_series->barSets()) {
      QString text = set->label() + ":";
      for (int i = 0; i < set->count(); ++i) text += QStringLiteral(" %1").arg(set->at(i));
      found << text;
    }
    for (QAbstractAxis* axis : bar_series->attachedAxes())
      if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis)) found << categories->categories().join(',');
  }
  return found;
}

void answer_question(QWidget* modal, QMessageBox::StandardButton button) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  QVERIFY(box != nullptr);
  box->button(button)->click();
}

}  // namespace

class StatisticsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void rows_chart_and_reset_of_a_known_record();
  void the_command_opens_it_with_ctrl_t_and_the_window_records_games();
};

void StatisticsDialogTest::rows_chart_and_reset_of_a_known_record() {
  TestPlatform platform;
  TempDir data;
  write_text(data / kStatisticsFileName, kRecord);
  GameRecorder recorder(platform, data.path());
  StatisticsDialog dialog(recorder, nullptr);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));

  QTableWidget* table = dialog.table();
  QCOMPARE(table->rowCount(), 2);
  QCOMPARE(row_texts(table, 0),
           (QStringList{"Novice", "4 × 4", "1", "Manual", "Off", "4", "3", "1", "0", "75 %", "9", "9.7", "2", "2"}));
  QCOMPARE(row_texts(table, 1), (QStringList{"Intermediate", "15 × 15", "10", "Automatic", "On", "2", "1", "0", "1",
                                             "50 %", "21", "21.0", "0", "1"}));
  QCOMPARE(table->currentRow(), 0);
  QCOMPARE(bars(dialog.chart()), (QStringList{"Won: 2 0 1", "Lost: 0 1 0", "9,10,11"}));

  // The arrows move the selection, and the chart follows it.
  QVERIFY(table->hasFocus());
  QTest::keyClick(table, Qt::Key_Down);
  QCOMPARE(table->currentRow(), 1);
  QCOMPARE(bars(dialog.chart()), (QStringList{"Won: 1", "Lost: 0", "21"}));

  // Reset asks first; No keeps everything.
  ModalVisit visit = on_next_modal([](QWidget* modal) { answer_question(modal, QMessageBox::No); },
                                   [&] { dialog.reset_button()->click(); });
  QVERIFY(visit.found);
  QCOMPARE(table->rowCount(), 2);
  QCOMPARE(read_text(data / kStatisticsFileName), std::string(kRecord));

  visit = on_next_modal([](QWidget* modal) { answer_question(modal, QMessageBox::Yes); },
                        [&] { dialog.reset_button()->click(); });
  QVERIFY(visit.found);
  QCOMPARE(table->rowCount(), 0);
  QVERIFY(bars(dialog.chart()).isEmpty());
  QVERIFY(!dialog.reset_button()->isEnabled());
  QVERIFY(read_statistics(data.path(), posix_settings_file_ops()).statistics.empty());
  QCOMPARE(int(read_statistics(data.path(), posix_settings_file_ops()).state), int(StatisticsFile::State::Read));
  QVERIFY(platform.boxes.empty());
}

void StatisticsDialogTest::the_command_opens_it_with_ctrl_t_and_the_window_records_games() {
  TempDir data;
  const QByteArray old_data = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path().string()));
  TestPlatform platform;
  std::unique_ptr<Match> match = started_match(platform);
  auto window_owner = std::make_unique<MainWindow>(*match, platform, QSize(900, 700));
  MainWindow& window = *window_owner;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.action(kCommandStatistics)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
  QCOMPARE(window.recorder().dir(), data.path() / "vornmark");

  const ModalVisit visit = on_next_modal(
      [](QWidget* modal) {
        auto* dialog = qobject_cast<StatisticsDialog*>(modal);
        QVERIFY(dialog != nullptr);
        QTest::keyClick(dialog, Qt::Key_Escape);
      },
      [&] { QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier); });
  QVERIFY(visit.found);
  QCOMPARE(visit.title, QStringLiteral("Statistics"));

  // A game the computer opened, still in play when the window goes, is recorded as abandoned.
  match->mutable_settings().AutomaticMode = 0;
  match->set_who_starts(WhoStarts::Computer);
  window.handle_command(kCommandNewGame);
  QVERIFY(window.recorder().recording());
  window_owner.reset();
  const StatisticsFile file = read_statistics(data.path() / "vornmark", posix_settings_file_ops());
  QCOMPARE(file.statistics.size(), std::size_t{1});
  const GameRecord& record = file.statistics.begin()->second;
  QCOMPARE(record.abandoned, 1);
  QVERIFY(file.statistics.begin()->first.manual);
  qputenv("XDG_DATA_HOME", old_data);
}

QTEST_MAIN(StatisticsDialogTest)
#include "statistics_dialog_test.moc"
