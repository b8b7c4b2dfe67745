#include "window/sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace vornmark {

namespace {

// Qt Multimedia tells of a missing sound server or device on the default channel. The game is
// meant to be silent then, so its warnings are dropped while the sounds are set up and started.
// The message handler belongs to the whole process: this is the one place that swaps it.
QtMessageHandler handler_before_audio = nullptr;

void drop_warnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg || type == QtCriticalMsg) handler_before_audio(type, context, text);
}

class QuietAudio {
 public:
  QuietAudio() { handler_before_audio = qInstallMessageHandler(drop_warnings); }
  ~QuietAudio() { qInstallMessageHandler(handler_before_audio); }
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
    const QString path = sound_resource(static_cast<Sound>(i));
    effects_[i] = std::make_unique<QSoundEffect>(output);
    // Loaded on Qt Multimedia's own thread: the window does not wait for it.
    effects_[i]->setSource(QUrl(QStringLiteral("qrc") + path));
    // 16-bit mono samples at 44.1 kHz after a 44-byte header.
    lengths_ms_[i] = (QFileInfo(path).size() - 44) / 88;
  }
  clock_.start();
  next_.setSingleShot(true);
  connect(&next_, &QTimer::timeout, this, [this] {
    if (!waiting_) return;
    const Sound next = *waiting_;
    waiting_.reset();
    start(next);
  });
}

SoundPlayer::~SoundPlayer() {
  const QuietAudio quiet;
  for (auto& effect : effects_) effect.reset();
}

void SoundPlayer::play(Sound sound) {
  last_asked_ = sound;
  if (!has_output()) return;
  const qint64 wait_ms = outcome_ends_ms_ - clock_.elapsed();
  if (sound != Sound::Shot && wait_ms > 0) {
    waiting_ = sound;
    next_.start(static_cast<int>(wait_ms));
    return;
  }
  start(sound);
}

void SoundPlayer::start(Sound sound) {
  const auto index = static_cast<std::size_t>(sound);
  if (sound != Sound::Shot) outcome_ends_ms_ = clock_.elapsed() + lengths_ms_[index];
  const QuietAudio quiet;
  effects_[index]->play();
}

}  // namespace vornmark
