#include "window/sound_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace vornmark {

namespace {

// Qt Multimedia tells of a missing sound server or device on the default channel. The game is
// meant to be silent then, so its warnings are dropped while the sounds are set up and started.
// The message handler belongs to the whole process: this is the one place that swaps it.
QtMessageHandler handler_before_audio = nullptr;
int quiet_depth = 0;  // a sound started as another ends is set up inside the first's quiet

void drop_warnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg || type == QtCriticalMsg) handler_before_audio(type, context, text);
}

class QuietAudio {
 public:
  QuietAudio() {
    if (quiet_depth++ == 0) handler_before_audio = qInstallMessageHandler(drop_warnings);
  }
  ~QuietAudio() {
    if (--quiet_depth == 0) qInstallMessageHandler(handler_before_audio);
  }
  QuietAudio(const QuietAudio&) = delete;
  QuietAudio& operator=(const QuietAudio&) = delete;
};

}  // namespace

QString sound_resource(Sound sound) {
  const std::string_view name = sound_name(sound);
  return QStringLiteral(":/sounds/") + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
         QStringLiteral(".wav");
}

SoundPlayer::SoundPlayer() {
  const QuietAudio quiet;
  const QAudioDevice output = QMediaDevices::defaultAudioOutput();
  if (output.isNull()) return;
  for (std::size_t i = 0; i < effects_.size(); ++i) {
    const auto sound = static_cast<Sound>(i);
    auto effect = std::make_unique<QSoundEffect>(output);
    // Loaded on Qt Multimedia's own thread: the window does not wait for it.
    effect->setSource(QUrl(QStringLiteral("qrc") + sound_resource(sound)));
    if (sound != Sound::Shot)
      connect(effect.get(), &QSoundEffect::playingChanged, this, [this, sound] {
        if (sounding_ == sound && !effects_[static_cast<std::size_t>(sound)]->isPlaying()) outcome_ended();
      });
    effects_[i] = std::move(effect);
  }
}

SoundPlayer::~SoundPlayer() {
  const QuietAudio quiet;
  for (auto& effect : effects_) effect.reset();
}

void SoundPlayer::play(Sound sound) {
  last_asked_ = sound;
  if (!has_output()) return;
  // An outcome that never got going (still loading, or refused) holds nothing up.
  if (sound != Sound::Shot && sounding_ && effects_[static_cast<std::size_t>(*sounding_)]->isPlaying()) {
    waiting_ = sound;
    return;
  }
  start(sound);
}

void SoundPlayer::start(Sound sound) {
  if (sound != Sound::Shot) sounding_ = sound;
  const QuietAudio quiet;
  effects_[static_cast<std::size_t>(sound)]->play();
}

void SoundPlayer::outcome_ended() {
  sounding_.reset();
  if (!waiting_) return;
  const Sound next = *waiting_;
  waiting_.reset();
  start(next);
}

}  // namespace vornmark
