#pragma once
// "Vornmark Options": the mode of play, who starts, the level, the ambiguity threshold and the
// shots per volley. OK applies the choices step by step and stays open while a number is out
// of range, with the focus in the offending box.

#include <QDialog>

namespace vornmark {

class PlayFlow;

}  // namespace vornmark

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vornmark {

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  OptionsDialog(PlayFlow& flow, QWidget* parent);

  // OK: the steps of the dialog logic; the dialog ends with result 1 only when every check
  // passes.
  void accept() override;

  QRadioButton* automatic() const { return automatic_; }
  QRadioButton* manual() const { return manual_; }
  QRadioButton* offense() const { return offense_; }
  QRadioButton* you() const { return you_; }
  QRadioButton* computer() const { return computer_; }
  QRadioButton* level(int index) const { return levels_[index]; }
  QLineEdit* threshold() const { return threshold_; }
  QLineEdit* shots() const { return shots_; }
  QPushButton* ok_button() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  PlayFlow& flow_;
  QRadioButton* automatic_;
  QRadioButton* manual_;
  QRadioButton* offense_;
  QRadioButton* you_;
  QRadioButton* computer_;
  static constexpr int kLevels = 4;  // Novice, Intermediate, Advanced, Expert
  QRadioButton* levels_[kLevels];
  QLineEdit* threshold_;
  QLineEdit* shots_;
  QPushButton* ok_;
};

}  // namespace vornmark
