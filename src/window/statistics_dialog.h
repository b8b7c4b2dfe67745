#pragma once
// "Statistics": the record of the player's games, a row per level, grid, shots, mode and hint,
// a bar chart of the volleys of the won and lost games of the selected row, and Reset, which
// asks first. Arrows move between rows, Alt+R resets, Escape closes.

#include <QDialog>
#include <vector>

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
  StatisticsDialog(GameRecorder& recorder, QWidget* parent);

  QTableWidget* table() const { return table_; }
  QChart* chart() const { return chart_; }
  QPushButton* reset_button() const { return reset_; }
  // The record shown in each row, in row order.
  const std::vector<RecordKey>& keys() const { return keys_; }

 private:
  void fill_table();
  void show_chart_of_row(int row);
  void reset();

  GameRecorder& recorder_;
  Statistics statistics_;
  std::vector<RecordKey> keys_;
  QTableWidget* table_;
  QChart* chart_;
  QPushButton* reset_;
};

}  // namespace vornmark
