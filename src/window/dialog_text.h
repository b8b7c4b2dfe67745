#pragma once
// Pieces the three option dialogs share: line breaks for the texts of multi-line buttons, which
// Qt's buttons do not wrap themselves, and the OK and Cancel buttons.

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QString>

namespace vornmark {

// The text with its blanks turned into line breaks wherever a line would grow wider than
// `width` pixels; a single word wider than that keeps a line of its own.
QString wrap_to_width(const QString& text, const QFontMetrics& metrics, int width);

// "OK" (the default button) and "Cancel", wired to accept and reject the dialog.
QDialogButtonBox* ok_cancel_buttons(QDialog* dialog);

}  // namespace vornmark
