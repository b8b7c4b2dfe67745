#pragma once
// The game's sounds through Qt Multimedia: each file compiled into the program is loaded once as
// the window is made and played when the play flow says what happened. Without an audio output
// nothing is loaded, nothing is heard and nothing is said: the game goes on as before.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

#include "play/sound.h"

class QSoundEffect;

namespace vornmark {

class SoundPlayer : public QObject {
 public:
  SoundPlayer();
  ~SoundPlayer() override;

  // A shot is heard at once. A volley's outcome waits until the outcome before it has sounded
  // (by the length of its file: the end the device reports comes a second or more late), so
  // that the player's volley and the computer's answer to it are heard one after the other;
  // only the latest waits, so nothing piles up.
  void play(Sound sound);

  // Whether an audio output was found as the window was made.
  bool has_output() const { return effects_[0] != nullptr; }
  // The sound last asked for, heard or not.
  std::optional<Sound> last_asked() const { return last_asked_; }

 private:
  void start(Sound sound);

  std::array<std::unique_ptr<QSoundEffect>, kSoundNames.size()> effects_;
  std::array<qint64, kSoundNames.size()> lengths_ms_{};
  QElapsedTimer clock_;
  qint64 outcome_ends_ms_ = 0;    // on the clock: when the outcome last started has sounded
  std::optional<Sound> waiting_;  // the one outcome to follow it
  QTimer next_;                   // starts the waiting outcome then
  std::optional<Sound> last_asked_;
};

// The resource path of a sound's file, as compiled into the program.
QString sound_resource(Sound sound);

}  // namespace vornmark
