#pragma once
// A plain text window that shows the lines of the diagnostic buffer in a fixed-pitch font on a
// LightCyan ground, one line per text line, without wrapping. Nothing in the game opens it.

#include <QWidget>

namespace vornmark {

struct Scene;

class DiagnosticWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DiagnosticWindow(const Scene& scene, QWidget* parent = nullptr);

  // Character height plus the font's leading.
  int line_height() const { return line_height_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Scene& scene_;
  int line_height_;
};

}  // namespace vornmark
