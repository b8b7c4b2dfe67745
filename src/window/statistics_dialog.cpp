#include "window/statistics_dialog.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <set>

#include "play/game_recorder.h"
#include "window/desktop_look.h"

namespace vornmark {

namespace {

// The table's columns, as the translations know them.
constexpr const char* kColumnTitles[] = {
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Level"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Grid"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Shots"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Mode"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Hint"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Played"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Won"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Lost"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Abandoned"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Win rate"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Best"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Mean to win"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Streak"),
    QT_TRANSLATE_NOOP("vornmark::StatisticsDialog", "Longest streak"),
};

QStringList column_titles() {
  QStringList titles;
  for (const char* title : kColumnTitles) titles << QCoreApplication::translate("vornmark::StatisticsDialog", title);
  return titles;
}

QString level_name(int level) {
  switch (level) {
    case kNovice:
      return QCoreApplication::translate("vornmark::StatisticsDialog", "Novice");
    case kIntermediate:
      return QCoreApplication::translate("vornmark::StatisticsDialog", "Intermediate");
    case kExpert:
      return QCoreApplication::translate("vornmark::StatisticsDialog", "Expert");
    default:
      return QCoreApplication::translate("vornmark::StatisticsDialog", "Advanced");
  }
}

QStringList row_texts(const RecordKey& key, const GameRecord& r) {
  const std::optional<double> rate = r.win_rate();
  const std::optional<int> best = r.best_win();
  const std::optional<double> mean = r.mean_win();
  const QString none = QStringLiteral("–");
  return {level_name(key.level),
          QStringLiteral("%1 × %1").arg(key.grid),
          QString::number(key.shots),
          key.manual ? QCoreApplication::translate("vornmark::StatisticsDialog", "Manual")
                     : QCoreApplication::translate("vornmark::StatisticsDialog", "Automatic"),
          key.hint ? QCoreApplication::translate("vornmark::StatisticsDialog", "On")
                   : QCoreApplication::translate("vornmark::StatisticsDialog", "Off"),
          QString::number(r.played),
          QString::number(r.won),
          QString::number(r.lost),
          QString::number(r.abandoned),
          rate ? QStringLiteral("%1 %").arg(*rate * 100, 0, 'f', 0) : none,
          best ? QString::number(*best) : none,
          mean ? QString::number(*mean, 'f', 1) : none,
          QString::number(r.current_streak),
          QString::number(r.longest_streak)};
}

// Won and lost bars: Classic's green and red; the schemes' current-volley blue and hit vermilion
// (white and red in high contrast), the lost bars hatched so that they differ by more than colour.
void set_bar_colours(QBarSet& won, QBarSet& lost, SchemeId scheme) {
  if (scheme == SchemeId::Classic) {
    won.setColor(QColor(0, 128, 0));
    lost.setColor(QColor(192, 0, 0));
    return;
  }
  const SchemePalette& palette = scheme_palette(scheme);
  const auto qt = [](Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); };
  const Rgb won_colour = scheme == SchemeId::HighContrast ? palette.cells[static_cast<int>(CellState::Ship)].fill
                                                          : palette.cells[static_cast<int>(CellState::Current)].fill;
  won.setColor(qt(won_colour));
  won.setBorderColor(qt(palette.grid_line));
  lost.setBrush(QBrush(qt(palette.cells[static_cast<int>(CellState::Hit)].fill), Qt::BDiagPattern));
  lost.setBorderColor(qt(palette.cells[static_cast<int>(CellState::Hit)].fill));
}

}  // namespace

StatisticsDialog::StatisticsDialog(GameRecorder& recorder, QWidget* parent, SchemeId scheme)
    : QDialog(parent), recorder_(recorder), scheme_(scheme), table_(new QTableWidget(this)), chart_(new QChart) {
  setWindowTitle(tr("Statistics"));

  table_->setColumnCount(static_cast<int>(column_titles().size()));
  table_->setHorizontalHeaderLabels(column_titles());
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setTabKeyNavigation(false);  // Tab leaves the table for the buttons
  table_->setAccessibleName(tr("Your games by level and grid"));
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) { show_chart_of_row(row); });

  follow_palette();
  chart_->legend()->setAlignment(Qt::AlignBottom);
  auto* chart_view = new QChartView(chart_, this);  // owns the chart
  chart_view->setRenderHint(QPainter::Antialiasing);
  chart_view->setMinimumHeight(260);
  chart_view->setFocusPolicy(Qt::NoFocus);
  chart_view->setAccessibleName(tr("Volleys of the won and lost games of the selected row"));

  auto* buttons = new QDialogButtonBox(this);
  reset_ = buttons->addButton(tr("&Reset..."), QDialogButtonBox::ResetRole);
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  close->setDefault(true);
  connect(reset_, &QPushButton::clicked, this, [this] { reset(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* column = new QVBoxLayout(this);
  auto* where = new QLabel(this);
  where->setText(
      tr("Kept in %1").arg(QString::fromStdString((recorder_.dir() / kStatisticsFileName).string()).toHtmlEscaped()));
  where->setTextInteractionFlags(Qt::TextSelectableByMouse);
  column->addWidget(table_, 1);
  column->addWidget(chart_view, 1);
  column->addWidget(where);
  column->addWidget(buttons);
  resize(900, 560);
  fill_table();
}

void StatisticsDialog::fill_table() {
  statistics_ = recorder_.statistics();
  keys_.clear();
  table_->setRowCount(0);
  for (const auto& [key, record] : statistics_) {
    if (record.played == 0) continue;
    const int row = table_->rowCount();
    table_->insertRow(row);
    const QStringList texts = row_texts(key, record);
    for (int c = 0; c < texts.size(); ++c) {
      auto* item = new QTableWidgetItem(texts[c]);
      if (c >= 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, c, item);
    }
    keys_.push_back(key);
  }
  table_->resizeColumnsToContents();
  reset_->setEnabled(!keys_.empty());
  if (keys_.empty())
    show_chart_of_row(-1);
  else
    table_->setCurrentCell(0, 0);
  table_->setFocus();
}

void StatisticsDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) follow_palette();
}

void StatisticsDialog::follow_palette() {
  const QChart::ChartTheme theme = palette_is_dark(palette()) ? QChart::ChartThemeDark : QChart::ChartThemeLight;
  if (chart_->theme() == theme) return;
  chart_->setTheme(theme);  // which recolours the bars: they get theirs again
  for (QAbstractSeries* series : chart_->series()) {
    const QList<QBarSet*> sets = static_cast<QBarSeries*>(series)->barSets();
    if (sets.size() == 2) set_bar_colours(*sets[0], *sets[1], scheme_);
  }
}

void StatisticsDialog::show_chart_of_row(int row) {
  chart_->removeAllSeries();
  for (QAbstractAxis* axis : chart_->axes()) chart_->removeAxis(axis);
  if (row < 0 || row >= static_cast<int>(keys_.size())) {
    chart_->setTitle(tr("No games yet"));
    return;
  }
  const GameRecord& record = statistics_.at(keys_[static_cast<std::size_t>(row)]);
  std::set<int> volleys;
  for (const auto& entry : record.won_volleys) volleys.insert(entry.first);
  for (const auto& entry : record.lost_volleys) volleys.insert(entry.first);

  auto* won = new QBarSet(tr("Won"));
  auto* lost = new QBarSet(tr("Lost"));
  set_bar_colours(*won, *lost, scheme_);
  QStringList categories;
  int most = 1;
  for (const int v : volleys) {
    categories << QString::number(v);
    const auto w = record.won_volleys.find(v);
    const auto l = record.lost_volleys.find(v);
    const int won_games = w == record.won_volleys.end() ? 0 : w->second;
    const int lost_games = l == record.lost_volleys.end() ? 0 : l->second;
    *won << won_games;
    *lost << lost_games;
    most = std::max({most, won_games, lost_games});
  }
  auto* series = new QBarSeries;
  series->append(won);
  series->append(lost);
  chart_->addSeries(series);
  chart_->setTitle(tr("Games by the volleys you fired"));

  auto* x = new QBarCategoryAxis;
  x->append(categories);
  x->setTitleText(tr("Volleys"));
  auto* y = new QValueAxis;
  y->setRange(0, most);
  y->setTickCount(std::min(most, 10) + 1);
  y->setLabelFormat(QStringLiteral("%d"));
  y->setTitleText(tr("Games"));
  chart_->addAxis(x, Qt::AlignBottom);
  chart_->addAxis(y, Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(y);
}

void StatisticsDialog::reset() {
  const QMessageBox::StandardButton answer = QMessageBox::question(
      this, tr("Statistics"), tr("Clear the record of every level and grid?\nThis cannot be undone."),
      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  if (!recorder_.reset()) QMessageBox::warning(this, tr("Statistics"), tr("The statistics file could not be written."));
  fill_table();
}

}  // namespace vornmark
