#include "window/geometry_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "presentation/dialogs.h"
#include "window/dialog_text.h"

namespace vornmark {

GeometryDialog::GeometryDialog(Match& match, QWidget* parent) : QDialog(parent), match_(match) {
  setWindowTitle(tr("Geometry"));

  grid_size_ = new QLineEdit(QString::fromStdString(geometry_dialog_init(match_)), this);
  grid_size_->setMaximumWidth(grid_size_->fontMetrics().averageCharWidth() * 8);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(tr("Number of squares (4-30)"), this));
  row->addWidget(grid_size_);

  QDialogButtonBox* buttons = ok_cancel_buttons(this);
  ok_ = buttons->button(QDialogButtonBox::Ok);

  auto* column = new QVBoxLayout(this);
  column->addLayout(row);
  column->addWidget(buttons, 0, Qt::AlignHCenter);
  setTabOrder(ok_, buttons->button(QDialogButtonBox::Cancel));
  setTabOrder(buttons->button(QDialogButtonBox::Cancel), grid_size_);
}

void GeometryDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ok_->setFocus();
}

void GeometryDialog::accept() {
  // A failed check leaves the dialog open and the focus where it was.
  if (geometry_dialog_ok(match_, grid_size_->text().toStdString()).close) QDialog::accept();
}

}  // namespace vornmark
