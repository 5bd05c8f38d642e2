// For comparison only (bench/sound.sh): the player the game had before, on
// Qt Multimedia's QSoundEffect, one per effect, loaded when the player
// starts. Not part of the game.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <array>

#include "sound_player.h"
#include "wave_file.h"

namespace trixola {

namespace {

class QtEffectPlayer : public GameSoundPlayer {
 public:
  explicit QtEffectPlayer(QString folder) : folder_(std::move(folder)) {}

  void Start() override {
    if (started_) return;
    started_ = true;
    const QDir folder(folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_);
    for (SoundEffect effect : kSoundEffects) {
      const QString path = folder.filePath(SoundFileName(effect));
      // Only files the wave reader takes: QSoundEffect waits for good on a
      // file cut short and blocks on a named pipe.
      if (!ReadWave(QFile::encodeName(path).toStdString())) continue;
      auto& sound = effects_[static_cast<std::size_t>(effect)];
      sound = std::make_unique<QSoundEffect>();
      sound->setSource(QUrl::fromLocalFile(path));
    }
  }

  void Play(SoundEffect effect) override {
    Start();
    for (auto& other : effects_) {
      if (other) other->stop();
    }
    QSoundEffect* sound = effects_[static_cast<std::size_t>(effect)].get();
    if (sound == nullptr || sound->status() == QSoundEffect::Error) {
      QApplication::beep();
      return;
    }
    sound->play();
  }

  bool Loaded(SoundEffect effect) const override {
    const auto& sound = effects_[static_cast<std::size_t>(effect)];
    return sound && sound->status() != QSoundEffect::Error;
  }

  // QSoundEffect hands the samples over on a thread of its own, out of sight.
  std::chrono::steady_clock::time_point HandedOver() const override { return {}; }

 private:
  const QString folder_;
  bool started_ = false;
  std::array<std::unique_ptr<QSoundEffect>, std::size(kSoundEffects)> effects_;
};

}  // namespace

std::unique_ptr<GameSoundPlayer> MakeSoundPlayer(QString folder) {
  return std::make_unique<QtEffectPlayer>(std::move(folder));
}

}  // namespace trixola
