#include "window/options_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "play/play_flow.h"
#include "presentation/dialogs.h"
#include "window/dialog_text.h"

namespace vornmark {

namespace {

// About as wide as the three mode buttons' texts were meant to wrap.
constexpr int kModeTextColumns = 26;

QRadioButton* radio(const QString& text, QWidget* parent, QButtonGroup* group) {
  auto* button = new QRadioButton(text, parent);
  group->addButton(button);
  return button;
}

QRadioButton* wrapped_radio(const QString& text, QWidget* parent, QButtonGroup* group) {
  QRadioButton* button = radio(text, parent, group);
  const QFontMetrics metrics(button->font());
  button->setText(wrap_to_width(text, metrics, metrics.averageCharWidth() * kModeTextColumns));
  return button;
}

std::string text_of(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

OptionsDialog::OptionsDialog(PlayFlow& flow, QWidget* parent) : QDialog(parent), flow_(flow) {
  setWindowTitle(tr("Vornmark Options"));

  auto* mode_box = new QGroupBox(tr("Mode of Play"), this);
  auto* mode_group = new QButtonGroup(this);
  automatic_ = wrapped_radio(tr("Automatic (Vornmark will automatically figure out where it has hit you)"), mode_box,
                             mode_group);
  manual_ = wrapped_radio(tr("Manual (you tell Vornmark where it has hit you)"), mode_box, mode_group);
  offense_ = wrapped_radio(tr("Offense (Vornmark does not fire at you)"), mode_box, mode_group);
  auto* mode_layout = new QVBoxLayout(mode_box);
  for (QRadioButton* button : {automatic_, manual_, offense_}) mode_layout->addWidget(button);

  auto* starts_box = new QGroupBox(tr("Who starts"), this);
  auto* starts_group = new QButtonGroup(this);
  you_ = radio(tr("You"), starts_box, starts_group);
  computer_ = radio(tr("Computer"), starts_box, starts_group);
  auto* starts_layout = new QVBoxLayout(starts_box);
  starts_layout->addWidget(you_);
  starts_layout->addWidget(computer_);

  auto* level_box = new QGroupBox(tr("Level of Play"), this);
  auto* level_group = new QButtonGroup(this);
  auto* level_layout = new QVBoxLayout(level_box);
  const QString level_names[kLevels] = {tr("Novice"), tr("Intermediate"), tr("Advanced"), tr("Expert")};
  for (int i = 0; i < kLevels; ++i) {
    levels_[i] = radio(level_names[i], level_box, level_group);
    level_layout->addWidget(levels_[i]);
  }

  threshold_ = new QLineEdit(this);
  shots_ = new QLineEdit(this);
  for (QLineEdit* edit : {threshold_, shots_}) edit->setMaximumWidth(edit->fontMetrics().averageCharWidth() * 8);
  auto* numbers = new QGridLayout;
  numbers->addWidget(new QLabel(tr("Ambiguity Threshold \n(1-10)"), this), 0, 0);
  numbers->addWidget(threshold_, 0, 1);
  numbers->addWidget(new QLabel(tr("Shots per volley"), this), 1, 0);
  numbers->addWidget(shots_, 1, 1);

  QDialogButtonBox* buttons = ok_cancel_buttons(this);
  ok_ = buttons->button(QDialogButtonBox::Ok);

  auto* grid = new QGridLayout(this);
  grid->addWidget(mode_box, 0, 0);
  grid->addWidget(level_box, 0, 1, Qt::AlignTop);
  grid->addWidget(starts_box, 1, 0);
  grid->addLayout(numbers, 1, 1, Qt::AlignTop);
  grid->addWidget(buttons, 2, 0, 1, 2, Qt::AlignHCenter);

  // The initial values.
  const OptionsDialogState state = options_dialog_init(flow_.match());
  switch (state.mode) {
    case OptionsDialogState::Mode::Automatic:
      automatic_->setChecked(true);
      break;
    case OptionsDialogState::Mode::Manual:
      manual_->setChecked(true);
      break;
    case OptionsDialogState::Mode::Offense:
      offense_->setChecked(true);
      break;
  }
  (state.who_starts == WhoStarts::Computer ? computer_ : you_)->setChecked(true);
  if (state.level >= 0 && state.level < kLevels) levels_[state.level]->setChecked(true);
  threshold_->setText(QString::fromStdString(state.threshold_text));
  shots_->setText(QString::fromStdString(state.shots_text));

  // The order of the controls, as the keyboard walks them.
  QWidget* order[] = {ok_,        buttons->button(QDialogButtonBox::Cancel),
                      automatic_, manual_,
                      offense_,   you_,
                      computer_,  levels_[0],
                      levels_[1], levels_[2],
                      levels_[3], threshold_,
                      shots_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void OptionsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ok_->setFocus();  // the first control of the dialog
}

void OptionsDialog::accept() {
  OptionsDialogState state;
  if (offense_->isChecked())
    state.mode = OptionsDialogState::Mode::Offense;
  else if (manual_->isChecked())
    state.mode = OptionsDialogState::Mode::Manual;
  else
    state.mode = OptionsDialogState::Mode::Automatic;
  state.who_starts = computer_->isChecked() ? WhoStarts::Computer : WhoStarts::You;
  state.level = -1;
  for (int i = 0; i < kLevels; ++i)
    if (levels_[i]->isChecked()) state.level = i;
  state.threshold_text = text_of(threshold_);
  state.shots_text = text_of(shots_);

  const DialogOkResult result = options_dialog_ok(flow_, state);
  if (result.close) {
    QDialog::accept();
    return;
  }
  if (result.focus == DialogFocus::Threshold) threshold_->setFocus();
  if (result.focus == DialogFocus::Shots) shots_->setFocus();
}

}  // namespace vornmark
