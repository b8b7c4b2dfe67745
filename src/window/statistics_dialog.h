#pragma once
// "Statistics": the record of the player's games, a row per level, grid, shots, mode and hint,
// a bar chart of the volleys of the won and lost games of the selected row, and Reset, which
// asks first. Arrows move between rows, Alt+R resets, Escape closes.

#include <QDialog>
#include <vector>

#include "presentation/colour_scheme.h"
#include "setup/statistics_file.h"

class QChart;
class QBarSeries;
class QPushButton;
class QTableWidget;

namespace vornmark {

class GameRecorder;

class StatisticsDialog : public QDialog {
  Q_OBJECT

 public:
  // The chart's bars take the colour scheme's colours, and the lost ones a hatch beside Classic;
  // the chart follows the desktop's light or dark palette.
  StatisticsDialog(GameRecorder& recorder, QWidget* parent, SchemeId scheme = SchemeId::Classic);

  QTableWidget* table() const { return table_; }
  QChart* chart() const { return chart_; }
  QPushButton* reset_button() const { return reset_; }
  // The record shown in each row, in row order.
  const std::vector<RecordKey>& keys() const { return keys_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void follow_palette();
  void fill_table();
  void show_chart_of_row(int row);
  void reset();

  GameRecorder& recorder_;
  SchemeId scheme_;
  Statistics statistics_;
  std::vector<RecordKey> keys_;
  QTableWidget* table_;
  QChart* chart_;
  QPushButton* reset_;
};

}  // namespace vornmark
