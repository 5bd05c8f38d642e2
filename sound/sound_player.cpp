#include "sound_player.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace trixola {

namespace {

// The one place that ties the effects to their files.
constexpr std::string_view kNames[] = {"click", "level", "youwon", "compwon", "draw"};

static_assert(std::size(kNames) == std::size(kSoundEffects));

// Waits for the window's first paint, then starts the player once the
// event loop is back, with the frame flushed.
class FirstFrameWatch : public QObject {
 public:
  FirstFrameWatch(GameSoundPlayer& player, QWidget& window) : QObject(&window), player_(player) {
    window.installEventFilter(this);
    // A window that is never painted (hidden, minimised at start) still
    // gets its sounds.
    QTimer::singleShot(1000, this, &FirstFrameWatch::StartPlayer);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, &FirstFrameWatch::StartPlayer);
    }
    return false;
  }

 private:
  void StartPlayer() {
    player_.Start();
    deleteLater();
  }

  GameSoundPlayer& player_;
};

}  // namespace

QString SoundFileName(SoundEffect effect) {
  const std::string_view name = kNames[static_cast<std::size_t>(effect)];
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
         QStringLiteral(".wav");
}

std::optional<SoundEffect> SoundEffectNamed(std::string_view name) {
  for (SoundEffect effect : kSoundEffects) {
    if (kNames[static_cast<std::size_t>(effect)] == name) return effect;
  }
  return std::nullopt;
}

void StartAfterFirstFrame(GameSoundPlayer& player, QWidget& window) {
  new FirstFrameWatch(player, window);
}

}  // namespace trixola
