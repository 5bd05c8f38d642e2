// A sound player on OpenAL Soft, only to measure it against the game's own
// (bench/sound_latency.py, docs/sound.md): the five effects loaded into
// buffers at Start, one source, a new effect stopping the one playing. The
// device is paused while silent (ALC_SOFT_pause_device), so that its mixer
// does not run then: a timer, running only while an effect plays, notices
// the end. OpenAL 1.19 has no event for it.
#define AL_ALEXT_PROTOTYPES
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <array>

#include "sound_player.h"
#include "wave_file.h"

namespace trixola {
namespace {

class OpenAlPlayer : public GameSoundPlayer {
 public:
  explicit OpenAlPlayer(QString folder) : folder_(std::move(folder)) {
    poll_.setInterval(50);
    QObject::connect(&poll_, &QTimer::timeout, [this] { PauseWhenDone(); });
  }
  ~OpenAlPlayer() override {
    if (context_ == nullptr) return;
    alDeleteSources(1, &source_);
    alDeleteBuffers(static_cast<ALsizei>(buffers_.size()), buffers_.data());
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
  }

  void Start() override {
    if (started_) return;
    started_ = true;
    device_ = alcOpenDevice(nullptr);
    if (device_ == nullptr) return;
    context_ = alcCreateContext(device_, nullptr);
    alcMakeContextCurrent(context_);
    alGenBuffers(static_cast<ALsizei>(buffers_.size()), buffers_.data());
    alGenSources(1, &source_);
    const QDir folder(folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_);
    for (SoundEffect effect : kSoundEffects) {
      const auto i = static_cast<std::size_t>(effect);
      const QByteArray path = QFile::encodeName(folder.filePath(SoundFileName(effect)));
      const std::optional<Wave> wave = ReadWave(path.toStdString());
      if (!wave || wave->encoding != Wave::Encoding::S16LE || wave->channels > 2) continue;
      alBufferData(buffers_[i], wave->channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16,
                   wave->samples.data(), static_cast<ALsizei>(wave->samples.size()),
                   static_cast<ALsizei>(wave->rate));
      loaded_[i] = alGetError() == AL_NO_ERROR;
    }
    alcDevicePauseSOFT(device_);
  }

  void Play(SoundEffect effect) override {
    if (!started_) Start();
    if (!Loaded(effect)) QApplication::beep();
    if (context_ == nullptr) return;
    alSourceStop(source_);
    if (!Loaded(effect)) return;
    alcDeviceResumeSOFT(device_);
    alSourcei(source_, AL_BUFFER, static_cast<ALint>(buffers_[static_cast<std::size_t>(effect)]));
    alSourcePlay(source_);
    poll_.start();
  }

 private:
  bool Loaded(SoundEffect effect) const { return loaded_[static_cast<std::size_t>(effect)]; }

  void PauseWhenDone() {
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING) return;
    poll_.stop();
    alcDevicePauseSOFT(device_);
  }

  const QString folder_;
  bool started_ = false;
  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  ALuint source_ = 0;
  std::array<ALuint, std::size(kSoundEffects)> buffers_{};
  std::array<bool, std::size(kSoundEffects)> loaded_{};
  QTimer poll_;
};

}  // namespace

std::unique_ptr<GameSoundPlayer> MakeSoundPlayer(QString folder) {
  return std::make_unique<OpenAlPlayer>(std::move(folder));
}

}  // namespace trixola
