#pragma once
// "Pacing": whether the game waits for a click after the player's and after Vornmark's volleys.

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace vornmark {

class Match;

class PacingDialog : public QDialog {
  Q_OBJECT

 public:
  PacingDialog(Match& match, QWidget* parent);

  void accept() override;

  QCheckBox* pause_after_player() const { return pause_after_player_; }
  QCheckBox* pause_after_vornmark() const { return pause_after_vornmark_; }
  QPushButton* ok_button() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Match& match_;
  QCheckBox* pause_after_player_;
  QCheckBox* pause_after_vornmark_;
  QPushButton* ok_;
};

}  // namespace vornmark
