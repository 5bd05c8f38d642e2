// SoundPlayer on Qt Multimedia: one QSoundEffect per sound name, loaded from
// the folder that holds the program. A file that is not there, is not a
// regular file, is far too big for a sound effect or is not a whole RIFF
// WAVE file (cut short, empty) is never loaded; playing it gives the alert
// sound.
#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <string_view>

#include "sound_player.h"

class QSoundEffect;

namespace trixola {

class QtSoundPlayer : public QObject, public SoundPlayer {
  Q_OBJECT

 public:
  // The names of the game's five effects, loaded by Preload.
  static constexpr std::string_view kGameSounds[] = {"click", "level", "youwon", "compwon", "draw"};

  // folder: where the .wav files lie; empty means the program's own folder.
  explicit QtSoundPlayer(QString folder = {}, QObject* parent = nullptr);
  ~QtSoundPlayer() override;

  // Starts loading the five game effects so the first one is not late.
  // Effects not loaded yet are loaded when first played.
  void Preload();

  // Starts the effect once the window's pending repaint is done: starting an
  // effect opens an audio stream, which can take milliseconds.
  void Play(SoundEffect effect) override;

  // For tests: whether an effect for this name exists and is decoded.
  bool IsReady(std::string_view name) const;

 protected:
  void customEvent(QEvent* event) override;

 private:
  QSoundEffect* Effect(const QString& name);
  void PlayNow(const QString& name);
  void OnStatusChanged(QSoundEffect* effect);

  QString folder_;
  std::map<QString, QSoundEffect*> effects_;
  // The effect most recently asked to play; an alert stands in for it if it
  // turns out not to be decodable.
  QSoundEffect* wanted_ = nullptr;
  // The effect asked for since the last start; only the latest one plays.
  QString queued_;
};

}  // namespace trixola
