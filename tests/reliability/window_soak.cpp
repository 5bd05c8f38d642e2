// Soak: many whole matches through the real game window on the offscreen
// platform, with real mouse and key input and the game's sound player on
// the .wav files beside this program, as the game finds its own. Reports
// the resident memory before the first match, after 1000 and at the end,
// and the matches per second; fails when a match goes wrong or when memory
// grows between the 1000th and the last match.
//
//   window_soak [--matches N] [--max-growth-kib K]
//               (defaults: 100000 matches, 1024 KiB)
//
// Built with AddressSanitizer, freed memory is held back in its quarantine,
// so resident memory grows by design: the growth is reported but not
// checked, and LeakSanitizer looks for leaks at exit instead.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "sound/sound_player.h"
#include "tests/reliability/window_driver.h"
#include "tests/reliability/window_resident_memory.h"

using trixola::Label;
using trixola::reliability::ResidentKiB;
using trixola::reliability::WindowDriver;

namespace {

constexpr long kMeasureAfter = 1000;
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kGrowthChecked = false;
#else
constexpr bool kGrowthChecked = true;
#endif

struct Match {
  std::vector<int> clicks;  // at the Easy level
  QString banner;
};

// One match of each ending, played in turn.
const Match kMatches[] = {
    {{1, 3, 2}, QStringLiteral("  YOU WON THE GAME")},
    {{5, 6, 9}, QStringLiteral("COMPUTER WON THE GAME")},
    {{1, 2, 7, 6, 8}, QStringLiteral("THE MATCH IS DRAW")},
};

long Option(int argc, char** argv, const char* name, long fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == name) return std::strtol(argv[i + 1], nullptr, 10);
  }
  return fallback;
}

// New Game by mouse, by Enter or by Space on the focused button, in turn.
// The keys only while the focus is on it, so a match gone wrong cannot
// press "&Exit".
void NewGame(WindowDriver& window, long match) {
  switch (window.NewGameHasFocus() ? match % 3 : 0) {
    case 0:
      window.ClickNewGame();
      break;
    case 1:
      WindowDriver::Press(Qt::Key_Return);
      break;
    default:
      WindowDriver::Press(Qt::Key_Space);
      break;
  }
}

// Plays match number `match` (0-based) and says whether it ended as it must.
bool PlayMatch(WindowDriver& window, long match) {
  const Match& m = kMatches[match % 3];
  // The first match needs no New Game; after a result the focus is on it.
  if (match > 0) NewGame(window, match);
  window.TickClock();
  window.MoveTo(WindowDriver::ControlRect("Image10").center() + QPoint(0, match % 5));
  for (int n : m.clicks) window.ClickCell(n);
  window.MoveTo(QPoint(480, 20 + match % 5));
  if (match % 50 == 0) {
    // The sound switch off and on again.
    window.ClickControl("imgSound");
    window.ClickControl("imgSound");
  }
  // Let the window paint and the sound effects run, as the event loop would.
  QCoreApplication::processEvents();
  // The driver's note of written captions is for the checks, not the game.
  window.form().captionsWritten.clear();
  const trixola::Game& game = window.game();
  return window.form().Caption(Label::Label1) == m.banner && !window.ClockRunning() &&
         !window.form().Timer4Enabled() && window.NewGameHasFocus() && game.WON == 3 && game.Sound;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const long matches = Option(argc, argv, "--matches", 100000);
  const long maxGrowthKiB = Option(argc, argv, "--max-growth-kib", 1024);
  if (matches < 1) {
    std::fprintf(stderr, "usage: window_soak [--matches N] [--max-growth-kib K]\n");
    return 2;
  }

  const auto sound = trixola::MakeSoundPlayer();  // the .wav files beside this program
  WindowDriver window(*sound);
  sound->Start();
  QTest::qWait(200);
  int ready = 0;
  for (trixola::SoundEffect effect : trixola::kSoundEffects) ready += sound->Loaded(effect);

  const long before = ResidentKiB();
  long afterFirst = -1;
  long wrong = 0;
  QElapsedTimer clock;
  clock.start();
  for (long match = 0; match < matches; ++match) {
    if (!PlayMatch(window, match) && wrong++ < 5) {
      std::fprintf(stderr, "match %ld ended with banner \"%s\"\n", match + 1,
                   qPrintable(window.form().Caption(Label::Label1)));
    }
    if (match + 1 == kMeasureAfter) afterFirst = ResidentKiB();
  }
  const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
  const long after = ResidentKiB();
  if (afterFirst < 0) afterFirst = after;

  // Each count stops at the top of its 16-bit counter.
  const auto expected = [matches](long kind) {
    const long played = matches / 3 + (matches % 3 > kind ? 1 : 0);
    return QString::number(std::min(played, 32767L));
  };
  const bool scoreRight = window.form().Caption(Label::Label5) == expected(0) &&
                          window.form().Caption(Label::Label4) == expected(1) &&
                          (matches < 3 || window.form().Caption(Label::Label6) ==
                                              QStringLiteral("Draw: ") + expected(2));

  std::printf("sounds loaded:        %d of 5, from %s\n", ready,
              qPrintable(QCoreApplication::applicationDirPath()));
  std::printf("matches played:       %ld (%ld went wrong)\n", matches, wrong);
  std::printf("score shown:          You %s, Computer %s, %s%s\n",
              qPrintable(window.form().Caption(Label::Label5)),
              qPrintable(window.form().Caption(Label::Label4)),
              qPrintable(window.form().Caption(Label::Label6)), scoreRight ? "" : " (WRONG)");
  std::printf("resident memory (KiB): before %ld, after %ld matches %ld, after %ld matches %ld\n",
              before, std::min(matches, kMeasureAfter), afterFirst, matches, after);
  std::printf("growth after the first %ld matches: %+ld KiB (limit %ld%s)\n",
              std::min(matches, kMeasureAfter), after - afterFirst, maxGrowthKiB,
              kGrowthChecked ? "" : ", not checked under AddressSanitizer");
  std::printf("time: %.1f s, %.0f matches per second\n", seconds,
              static_cast<double>(matches) / seconds);
  if (wrong > 0 || !scoreRight) return 1;
  if (kGrowthChecked && after - afterFirst > maxGrowthKiB) {
    std::fprintf(stderr, "memory grows with the number of matches\n");
    return 1;
  }
  return 0;
}
