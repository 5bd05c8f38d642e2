#include "sound/qt_sound_player.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace trixola {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtSoundPlayer::QtSoundPlayer(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Preload() {
  for (std::string_view name : kGameSounds) Effect(ToQString(name));
}

QSoundEffect* QtSoundPlayer::Effect(const QString& name) {
  auto it = effects_.find(name);
  if (it != effects_.end()) return it->second;
  const QString folder = folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_;
  const QString path = QDir(folder).filePath(name + QStringLiteral(".wav"));
  auto* effect = new QSoundEffect(this);
  connect(effect, &QSoundEffect::statusChanged, this, [this, effect] { OnStatusChanged(effect); });
  // A missing file is left without a source: it is never going to play.
  if (QFileInfo::exists(path)) effect->setSource(QUrl::fromLocalFile(path));
  effects_.emplace(name, effect);
  return effect;
}

void QtSoundPlayer::Play(std::string_view name) {
  QSoundEffect* effect = Effect(ToQString(name));
  for (auto& [other_name, other] : effects_) {
    if (other != effect) other->stop();
  }
  wanted_ = effect;
  switch (effect->status()) {
    case QSoundEffect::Null:
    case QSoundEffect::Error:
      wanted_ = nullptr;
      QApplication::beep();
      return;
    case QSoundEffect::Loading:
    case QSoundEffect::Ready:
      // While loading, QSoundEffect starts playing once the data is in.
      effect->play();
      return;
  }
}

void QtSoundPlayer::OnStatusChanged(QSoundEffect* effect) {
  if (effect->status() == QSoundEffect::Error && effect == wanted_) {
    wanted_ = nullptr;
    QApplication::beep();
  }
}

bool QtSoundPlayer::IsReady(std::string_view name) const {
  auto it = effects_.find(ToQString(name));
  return it != effects_.end() && it->second->status() == QSoundEffect::Ready;
}

}  // namespace trixola
