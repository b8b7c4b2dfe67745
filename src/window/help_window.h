#pragma once
// The help window: the HTML pages compiled into the program, with a way back to the contents.

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

namespace vornmark {

// The page that Help/Help... opens.
inline const QUrl kHelpContents{QStringLiteral("qrc:/help/contents.html")};

// The pages' browser: their style sheet gains dark colours while the desktop is dark.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HelpBrowser(QWidget* parent = nullptr);

  // The page of that name in the player's language when there is one, else the English page.
  static QUrl in_players_language(const QUrl& page);

 protected:
  void changeEvent(QEvent* event) override;
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  void follow_palette();
};

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void show_page(const QUrl& page);
  QTextBrowser* browser() const { return browser_; }

 private:
  HelpBrowser* browser_;
};

}  // namespace vornmark
