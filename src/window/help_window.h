#pragma once
// The help window: the HTML pages compiled into the program, with a way back to the contents.

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace vornmark {

// The page that Help/Help... opens.
inline const QUrl kHelpContents{QStringLiteral("qrc:/help/contents.html")};

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void show_page(const QUrl& page);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace vornmark
