#include "qt_sound_player.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace trixola {

namespace {

// Starts queued_. It is posted twice at low priority: the window posts its
// repaint at low priority during the same event handler, before or after the
// first post, so by the second one the frame has gone out.
const QEvent::Type kPlayEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class PlayEvent : public QEvent {
 public:
  explicit PlayEvent(bool last) : QEvent(kPlayEvent), last(last) {}
  const bool last;
};

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// QSoundEffect reads a file whole into memory, so a file of hundreds of
// megabytes takes as much memory (five of 200 MB took a gigabyte). The
// game's effects last a few seconds; a file bigger than this (over a minute
// and a half of CD-quality sound) is not one of them.
constexpr qint64 kLargestEffectBytes = 16 * 1024 * 1024;

// Chunks looked at before the sound data; a wave file has two to four.
constexpr int kMostChunksBeforeData = 16;

// Whether `file` is a RIFF WAVE file whose sound data is all there.
// QSoundEffect waits for good for the rest of a file that is cut short
// (or empty): it neither plays nor reports an error, keeps the file open
// and never frees what it set up to read it.
bool IsWholeWave(const QFileInfo& file) {
  QFile wave(file.filePath());
  if (!wave.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = wave.read(12);
  if (head.size() != 12 || !head.startsWith("RIFF") || head.mid(8) != "WAVE") return false;
  qint64 at = 12;
  for (int i = 0; i < kMostChunksBeforeData && at + 8 <= file.size(); ++i) {
    if (!wave.seek(at)) return false;
    const QByteArray chunk = wave.read(8);
    if (chunk.size() != 8) return false;
    const qint64 length = qFromLittleEndian<quint32>(chunk.constData() + 4);
    if (chunk.startsWith("data")) return at + 8 + length <= file.size();
    at += 8 + length + (length & 1);  // chunks are padded to an even length
  }
  return false;
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
  // A file that is missing, too big to be an effect or not a whole wave
  // file is left without a source: it is never going to play. So is
  // anything but a regular file: setSource opens the file on this thread,
  // and a named pipe without a writer would hold the window there for good.
  const QFileInfo file(path);
  if (file.isFile() && file.size() <= kLargestEffectBytes && IsWholeWave(file)) {
    effect->setSource(QUrl::fromLocalFile(path));
  }
  effects_.emplace(name, effect);
  return effect;
}

void QtSoundPlayer::Play(SoundEffect effect) {
  const std::string_view name = kGameSounds[static_cast<int>(effect)];
  if (queued_.isEmpty()) {
    QCoreApplication::postEvent(this, new PlayEvent(false), Qt::LowEventPriority);
  }
  queued_ = ToQString(name);
}

void QtSoundPlayer::customEvent(QEvent* event) {
  if (event->type() != kPlayEvent) return;
  if (!static_cast<PlayEvent*>(event)->last) {
    QCoreApplication::postEvent(this, new PlayEvent(true), Qt::LowEventPriority);
    return;
  }
  PlayNow(std::exchange(queued_, QString()));
}

void QtSoundPlayer::PlayNow(const QString& name) {
  QSoundEffect* effect = Effect(name);
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
