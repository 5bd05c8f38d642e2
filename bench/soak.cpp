// Soak: many whole matches through the real game window on the offscreen
// platform, played with keys as a person plays them, with the real sound
// player on the .wav files beside this program. Prints the resident memory
// before the first match, after 1000 and at the end, and the matches per
// second; fails when a match ends wrongly or memory grows by more than the
// allowed KiB between the 1000th match and the last.
//
//   bench_soak [MATCHES] [MAX_GROWTH_KIB]   (defaults 100000 and 1024)
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "game_window.h"
#include "sound_player.h"

namespace {

struct Match {
  const char* keys;  // at Easy
  const char* banner;
};

const Match kMatches[] = {
    {"132", "YOU WON THE GAME"},
    {"569", "COMPUTER WON THE GAME"},
    {"12768", "THE MATCH IS DRAW"},
};

long ResidentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const long matches = argc > 1 ? std::atol(argv[1]) : 100000;
  const long maxGrowth = argc > 2 ? std::atol(argv[2]) : 1024;

  const auto sound = trixola::MakeSoundPlayer();
  trixola::GameWindow window(*sound);
  window.show();
  trixola::StartAfterFirstFrame(*sound, window);
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) return 2;
  QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(&window)->child(0);

  const long before = ResidentKiB();
  long afterThousand = before;
  QElapsedTimer timer;
  timer.start();
  for (long played = 0; played < matches; ++played) {
    const Match& match = kMatches[played % 3];
    for (const char* key = match.keys; *key != '\0'; ++key) {
      QTest::keyClick(QApplication::focusWidget(), *key);
    }
    if (banner->text(QAccessible::Name) != QLatin1String(match.banner)) {
      std::fprintf(stderr, "soak: match %ld ended with \"%s\"\n", played + 1,
                   qPrintable(banner->text(QAccessible::Name)));
      return 1;
    }
    // The match over, "New Game" has the focus: Space or Enter presses it.
    QTest::keyClick(QApplication::focusWidget(), played % 2 == 0 ? Qt::Key_Space : Qt::Key_Return);
    if (!QTest::qWaitFor(
            [&] { return banner->text(QAccessible::Name) != QLatin1String(match.banner); })) {
      std::fprintf(stderr, "soak: New Game after match %ld did nothing\n", played + 1);
      return 1;
    }
    if (played + 1 == 1000) afterThousand = ResidentKiB();
  }
  const long after = ResidentKiB();
  std::printf(
      "soak: %ld matches, %.0f a second; resident KiB %ld before, %ld after 1000, %ld at the "
      "end (%+ld)\n",
      matches, matches * 1000.0 / std::max<qint64>(1, timer.elapsed()), before, afterThousand,
      after, after - afterThousand);
  return after - afterThousand > maxGrowth ? 1 : 0;
}
