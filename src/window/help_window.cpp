#include "window/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vornmark {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(QStringLiteral("Vornmark Help"));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(false);
  browser_->setSearchPaths({QStringLiteral(":/help")});

  auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
  auto* back = new QPushButton(QStringLiteral("&Back"), this);
  auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
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
    setWindowTitle(title.isEmpty() ? QStringLiteral("Vornmark Help") : QStringLiteral("Vornmark Help: ") + title);
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

void HelpWindow::show_page(const QUrl& page) { browser_->setSource(page); }

}  // namespace vornmark
