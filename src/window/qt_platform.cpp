#include "window/qt_platform.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "window/game_wording.h"

namespace vornmark {

QtPlatform::~QtPlatform() {
  if (busy_) QApplication::restoreOverrideCursor();
}

QWidget* QtPlatform::owner_for(BoxOwner owner) const {
  switch (owner) {
    case BoxOwner::None:
      return nullptr;
    case BoxOwner::MainWindow:
      return main_window_.data();
    case BoxOwner::Dialog:
      // The dialog whose check failed is the modal window on top.
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) return dialog;
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeWindow())) return dialog;
      return main_window_.data();
  }
  return nullptr;
}

BoxAnswer QtPlatform::message_box(const MessageBoxRequest& request) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if (request.icon == BoxIcon::Warning) icon = QMessageBox::Warning;
  if (request.icon == BoxIcon::Information) icon = QMessageBox::Information;
  const QMessageBox::StandardButtons buttons =
      request.buttons == BoxButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;

  QMessageBox box(icon, game_text(request.caption), game_text(request.text), buttons, owner_for(request.owner));
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(request.buttons == BoxButtons::OkCancel ? QMessageBox::Cancel : QMessageBox::Ok);
  // A box raised while the computer plans must show the arrow, not the busy cursor.
  const bool was_busy = busy_;
  if (was_busy) set_busy_cursor(false);
  const int answer = box.exec();
  if (was_busy) set_busy_cursor(true);
  if (request.buttons == BoxButtons::OkCancel && answer == QMessageBox::Cancel) return BoxAnswer::Cancel;
  return BoxAnswer::Ok;
}

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::set_busy_cursor(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void QtPlatform::exit_process(int code) {
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace vornmark
