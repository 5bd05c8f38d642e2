// Drives the game's sound player as the window does, for sound_server_test.py:
//   sound_probe FOLDER
// Makes the player for the .wav files in FOLDER, starts it as the game does,
// once the window's first frame is out, prints "started"
// and answers each command it reads with one line once it is carried out:
//   play EFFECT...  Play each (click, level, youwon, compwon, draw) in one
//                   event-loop turn; answers "took MS", the time the calls took
//   key CELL        presses the key of CELL (1..9) in a game window on the
//                   player; answers the effects the window asked for
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QStringList>
#include <QTest>
#include <cstdio>
#include <optional>

#include "game_window.h"
#include "sound_player.h"

namespace {

bool LibpulseLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libpulse");
}

// Whether libpulse was loaded when the window's first frame was painted,
// unless that frame came after the player's one-second fallback start, or
// already when the player was handed to the window.
struct FirstFrame : QObject {
  bool eventFilter(QObject* window, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      early |= since.elapsed() < 900 && LibpulseLoaded();
      window->removeEventFilter(this);
    }
    return false;
  }
  QElapsedTimer since;
  bool early = false;
};

// Passes the window's effects on to the player and keeps their names.
struct Listening : trixola::SoundPlayer {
  explicit Listening(trixola::SoundPlayer& player) : player(player) {}
  void Play(trixola::SoundEffect effect) override {
    asked.append(trixola::SoundFileName(effect).chopped(4));
    player.Play(effect);
  }
  trixola::SoundPlayer& player;
  QStringList asked;
};

QString Run(const QStringList& words, trixola::SoundPlayer& player, Listening& listening,
            QWidget& window) {
  if (words.value(0) == "play") {
    QElapsedTimer clock;
    clock.start();
    for (const QString& word : words.mid(1)) {
      const std::optional<trixola::SoundEffect> effect =
          trixola::SoundEffectNamed(word.toStdString());
      if (!effect) return QStringLiteral("unknown effect %1").arg(word);
      player.Play(*effect);
    }
    return QStringLiteral("took %1").arg(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  if (words.value(0) == "key" && words.size() == 2) {
    listening.asked.clear();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + words[1].toInt(), Qt::NoModifier, words[1]);
    QCoreApplication::sendEvent(&window, &press);
    return listening.asked.join(' ');
  }
  return QStringLiteral("unknown command");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  // The player is started as the game starts it: nothing of the sound
  // system is loaded by the time the window's first frame is painted, and
  // all of it soon after.
  const auto player = trixola::MakeSoundPlayer(QString::fromLocal8Bit(argv[1]));
  Listening listening(*player);
  trixola::GameWindow window(listening);
  FirstFrame first;
  window.installEventFilter(&first);
  window.show();
  first.since.start();
  trixola::StartAfterFirstFrame(*player, window);
  first.early = LibpulseLoaded();
  if (!QTest::qWaitFor(LibpulseLoaded, 5000) || first.early) {
    std::puts(first.early ? "libpulse loaded before the first frame" : "libpulse not loaded");
    return 1;
  }
  QSocketNotifier input(0, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    char line[256];
    if (std::fgets(line, sizeof line, stdin) == nullptr) return QCoreApplication::quit();
    const QStringList words = QString::fromUtf8(line).trimmed().split(' ', Qt::SkipEmptyParts);
    std::printf("%s\n", qPrintable(Run(words, *player, listening, window)));
    std::fflush(stdout);
  });
  std::printf("started\n");
  std::fflush(stdout);
  return QApplication::exec();
}
