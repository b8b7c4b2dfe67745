#pragma once
// "Geometry": the number of squares of the grid. OK stays open with a message while the
// number is outside 4 to 30.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vornmark {

class Match;

class GeometryDialog : public QDialog {
  Q_OBJECT

 public:
  GeometryDialog(Match& match, QWidget* parent);

  void accept() override;

  QLineEdit* grid_size() const { return grid_size_; }
  QPushButton* ok_button() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Match& match_;
  QLineEdit* grid_size_;
  QPushButton* ok_;
};

}  // namespace vornmark
