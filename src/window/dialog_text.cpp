#include "window/dialog_text.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QStringList>

namespace vornmark {

QString wrap_to_width(const QString& text, const QFontMetrics& metrics, int width) {
  const QStringList words = text.split(QLatin1Char(' '));
  QString wrapped;
  QString line;
  for (const QString& word : words) {
    const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
      wrapped += line + QLatin1Char('\n');
      line = word;
    } else {
      line = candidate;
    }
  }
  return wrapped + line;
}

QDialogButtonBox* ok_cancel_buttons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText(QCoreApplication::translate("Dialogs", "OK"));
  ok->setDefault(true);
  buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("Dialogs", "Cancel"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace vornmark
