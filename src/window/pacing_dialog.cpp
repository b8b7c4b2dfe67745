#include "window/pacing_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "presentation/dialogs.h"
#include "window/dialog_text.h"

namespace vornmark {

PacingDialog::PacingDialog(Match& match, QWidget* parent) : QDialog(parent), match_(match) {
  setWindowTitle(tr("Pacing"));

  pause_after_player_ = new QCheckBox(tr("Pause after your shots?"), this);
  pause_after_vornmark_ = new QCheckBox(tr("Pause after Vornmark's shots?"), this);
  const PacingDialogState state = pacing_dialog_init(match_);
  pause_after_player_->setChecked(state.pause_after_player);
  pause_after_vornmark_->setChecked(state.pause_after_vornmark);

  QDialogButtonBox* buttons = ok_cancel_buttons(this);
  ok_ = buttons->button(QDialogButtonBox::Ok);

  auto* column = new QVBoxLayout(this);
  column->addWidget(pause_after_player_);
  column->addWidget(pause_after_vornmark_);
  column->addWidget(buttons, 0, Qt::AlignHCenter);
  setTabOrder(ok_, buttons->button(QDialogButtonBox::Cancel));
  setTabOrder(buttons->button(QDialogButtonBox::Cancel), pause_after_player_);
  setTabOrder(pause_after_player_, pause_after_vornmark_);
}

void PacingDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ok_->setFocus();
}

void PacingDialog::accept() {
  pacing_dialog_ok(match_, {pause_after_player_->isChecked(), pause_after_vornmark_->isChecked()});
  QDialog::accept();
}

}  // namespace vornmark
