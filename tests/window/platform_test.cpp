// The Qt platform: real modal boxes with their captions, icons, buttons and owners, answered
// by the test; the busy cursor; and the end of the process with its exit code.

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "window/qt_platform.h"
#include "window_test_support.h"

using namespace vornmark;
using namespace vornmark::testing;

namespace {

struct SeenBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QWidget* parent = nullptr;
  bool busy_cursor_shown = false;
};

// Shows the box through the platform and answers it with the button (or Escape when none).
BoxAnswer answer_box(QtPlatform& platform, const MessageBoxRequest& request, QMessageBox::StandardButton button,
                     SeenBox& seen) {
  BoxAnswer answer = BoxAnswer::Ok;
  const ModalVisit visit = on_next_modal(
      [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        seen = {box->windowTitle(),     box->text(),         box->icon(),
                box->standardButtons(), box->parentWidget(), QApplication::overrideCursor() != nullptr};
        if (button == QMessageBox::NoButton)
          QTest::keyClick(box, Qt::Key_Escape);
        else
          box->button(button)->click();
      },
      [&] { answer = platform.message_box(request); });
  if (!visit.found) QTest::qFail("no box was shown", __FILE__, __LINE__);
  return answer;
}

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void warning_box_answers_ok_and_cancel();
  void plain_box_has_only_ok_and_its_owner();
  void busy_cursor_is_set_once_and_lifted_for_boxes();
  void exit_ends_the_process_with_its_code();
};

void PlatformTest::warning_box_answers_ok_and_cancel() {
  QtPlatform platform;
  QMainWindow main_window;
  platform.set_main_window(&main_window);
  MessageBoxRequest request;
  request.owner = BoxOwner::MainWindow;
  request.caption = "Vornmark";
  request.text = "Error firing twice at MY SHOTS 3,4";
  request.buttons = BoxButtons::OkCancel;
  request.icon = BoxIcon::Warning;

  SeenBox seen;
  QCOMPARE(answer_box(platform, request, QMessageBox::Cancel, seen), BoxAnswer::Cancel);
  QCOMPARE(seen.caption, QStringLiteral("Vornmark"));
  QCOMPARE(seen.text, QStringLiteral("Error firing twice at MY SHOTS 3,4"));
  QCOMPARE(seen.icon, QMessageBox::Warning);
  QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
  QCOMPARE(seen.parent, static_cast<QWidget*>(&main_window));

  QCOMPARE(answer_box(platform, request, QMessageBox::Ok, seen), BoxAnswer::Ok);
  QCOMPARE(answer_box(platform, request, QMessageBox::NoButton, seen), BoxAnswer::Cancel);  // Escape

  // Before the main window exists the box has no owner.
  request.owner = BoxOwner::None;
  answer_box(platform, request, QMessageBox::Ok, seen);
  QVERIFY(seen.parent == nullptr);
}

void PlatformTest::plain_box_has_only_ok_and_its_owner() {
  QtPlatform platform;
  MessageBoxRequest request;
  request.owner = BoxOwner::None;
  request.caption = "Error";
  request.text = "\nError accessing HIS SHOTS at 15,0\n";
  SeenBox seen;
  QCOMPARE(answer_box(platform, request, QMessageBox::NoButton, seen), BoxAnswer::Ok);
  QCOMPARE(seen.caption, QStringLiteral("Error"));
  QCOMPARE(seen.text, QStringLiteral("\nError accessing HIS SHOTS at 15,0\n"));
  QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(seen.icon, QMessageBox::NoIcon);
  QVERIFY(seen.parent == nullptr);

  // A box of a dialog is owned by that dialog while it is open.
  QMainWindow main_window;
  platform.set_main_window(&main_window);
  QDialog dialog(&main_window);
  dialog.open();
  QCOMPARE(platform.owner_for(BoxOwner::Dialog), static_cast<QWidget*>(&dialog));
  QCOMPARE(platform.owner_for(BoxOwner::MainWindow), static_cast<QWidget*>(&main_window));
  dialog.close();
  platform.set_main_window(nullptr);
  QVERIFY(platform.owner_for(BoxOwner::MainWindow) == nullptr);
}

void PlatformTest::busy_cursor_is_set_once_and_lifted_for_boxes() {
  QVERIFY(QApplication::overrideCursor() == nullptr);
  {
    QtPlatform platform;
    platform.set_busy_cursor(true);
    platform.set_busy_cursor(true);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    MessageBoxRequest request;
    request.caption = "Vornmark";
    request.text = "\nCouldn't place 2 shots";
    request.buttons = BoxButtons::OkCancel;
    request.icon = BoxIcon::Warning;
    SeenBox seen;
    answer_box(platform, request, QMessageBox::Ok, seen);
    QVERIFY(!seen.busy_cursor_shown);  // the box shows the arrow
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    platform.set_busy_cursor(false);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    platform.set_busy_cursor(false);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    platform.set_busy_cursor(true);
  }
  QVERIFY(QApplication::overrideCursor() == nullptr);  // a platform going away lifts its cursor
}

void PlatformTest::exit_ends_the_process_with_its_code() {
  std::fflush(nullptr);
  const pid_t child = fork();
  QVERIFY(child >= 0);
  if (child == 0) {
    QtPlatform platform;
    platform.exit_process(7);
    std::_Exit(99);  // not reached
  }
  int status = 0;
  QCOMPARE(waitpid(child, &status, 0), child);
  QVERIFY(WIFEXITED(status));
  QCOMPARE(WEXITSTATUS(status), 7);
}

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
