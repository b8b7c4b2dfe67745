#pragma once
// The game's sounds through Qt Multimedia: each file compiled into the program is loaded once as
// the window is made and played when the play flow says what happened. Without an audio output
// nothing is loaded, nothing is heard and nothing is said: the game goes on as before.

#include <QObject>
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

  // A shot is heard at once. A volley's outcome waits for the outcome still sounding, so that
  // the player's volley and the computer's answer to it are heard one after the other; only the
  // latest waits, so nothing piles up.
  void play(Sound sound);

  // Whether an audio output was found as the window was made.
  bool has_output() const { return effects_[0] != nullptr; }
  // The sound last asked for, heard or not.
  std::optional<Sound> last_asked() const { return last_asked_; }

 private:
  void start(Sound sound);
  void outcome_ended();

  std::array<std::unique_ptr<QSoundEffect>, kSoundNames.size()> effects_;
  std::optional<Sound> sounding_;  // the outcome being heard
  std::optional<Sound> waiting_;   // the one outcome to follow it
  std::optional<Sound> last_asked_;
};

// The resource path of a sound's file, as compiled into the program.
QString sound_resource(Sound sound);

}  // namespace vornmark
