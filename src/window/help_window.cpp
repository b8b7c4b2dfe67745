#include "window/help_window.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "window/desktop_look.h"

namespace vornmark {

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) { follow_palette(); }

void HelpBrowser::follow_palette() {
  // The pages' own style sheet, as the document's default: the browser does not apply the link
  // in the pages. On a dark desktop it gains light text and headings.
  QFile file(QStringLiteral(":/help/style.css"));
  QString style = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  if (palette_is_dark(palette())) style += dark_help_style();
  document()->setDefaultStyleSheet(style);
}

QUrl HelpBrowser::in_players_language(const QUrl& page) {
  const QString language = QLocale().name();
  for (const QString& folder : {language, language.section(QLatin1Char('_'), 0, 0)}) {
    const QString path = QStringLiteral(":/help/") + folder + QLatin1Char('/') + page.fileName();
    if (QFile::exists(path)) return QUrl(QStringLiteral("qrc") + path);
  }
  return page;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  // A page or picture the player's language lacks is the English one, page by page.
  const QVariant found = QTextBrowser::loadResource(type, name);
  if (found.isValid() && !found.isNull()) return found;
  return QTextBrowser::loadResource(type, QUrl(QStringLiteral("qrc:/help/") + name.fileName()));
}

void HelpBrowser::changeEvent(QEvent* event) {
  QTextBrowser::changeEvent(event);
  // A desktop turned dark or light: the page is read again with the style sheet that fits.
  if (event->type() != QEvent::PaletteChange) return;
  follow_palette();
  if (!source().isEmpty()) reload();
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(tr("Vornmark Help"));
  browser_ = new HelpBrowser(this);
  browser_->setOpenExternalLinks(false);

  auto* contents = new QPushButton(tr("&Contents"), this);
  auto* back = new QPushButton(tr("&Back"), this);
  auto* forward = new QPushButton(tr("&Forward"), this);
  auto* close = new QPushButton(tr("Close"), this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contents, &QPushButton::clicked, this, [this] { show_page(kHelpContents); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Vornmark Help") : tr("Vornmark Help: %1").arg(title));
  });

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {contents, back, forward}) buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* column = new QVBoxLayout(this);
  column->addLayout(buttons);
  column->addWidget(browser_);
  resize(640, 560);
}

void HelpWindow::show_page(const QUrl& page) { browser_->setSource(HelpBrowser::in_players_language(page)); }

}  // namespace vornmark
