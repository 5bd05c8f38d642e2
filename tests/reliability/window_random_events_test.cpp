// Long seeded random sequences of real mouse and keyboard input to the game
// window, with every rule of window_checker.h checked after every input. A
// failure names the seed and a shortened sequence that still breaks the rule.
//
// Environment:
//   TRIXOLA_WINDOW_EVENTS  total inputs over all seeds, rounded up to whole
//                          seeds of 5000 (default 100000; 40000 in a build with
//                          AddressSanitizer, which runs the window about four
//                          times slower)
//   TRIXOLA_WINDOW_SEED    run only this seed (to reproduce a failure)
#include <QElapsedTimer>
#include <QTest>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/reliability/window_runner.h"

using trixola::reliability::Failure;
using trixola::reliability::FailureReport;
using trixola::reliability::ReplayInWindow;
using trixola::reliability::RunRandomInWindow;
using trixola::reliability::ShrinkInWindow;
using trixola::reliability::WindowEvent;
using trixola::reliability::WindowRunOutcome;
using trixola::reliability::WindowTallies;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint64_t kDefaultTotalEvents = 40'000;
#else
constexpr std::uint64_t kDefaultTotalEvents = 100'000;
#endif
constexpr std::size_t kEventsPerSeed = 5'000;
// Failing seeds reported in full before the run gives up.
constexpr int kMaxReportedFailures = 2;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
  const QByteArray text = qgetenv(name);
  if (text.isEmpty()) return fallback;
  bool ok = false;
  const qulonglong value = text.toULongLong(&ok);
  if (!ok || value == 0) {
    qWarning("%s must be a positive whole number, not \"%s\"", name, text.constData());
    return fallback;
  }
  return value;
}

std::string Report(std::uint64_t seed, const Failure& failure,
                   const std::vector<WindowEvent>& played) {
  const std::string number = std::to_string(seed);
  const std::vector<WindowEvent> shortest = ShrinkInWindow(played, failure.violation.invariant);
  return FailureReport("seed " + number + ", reproduce with TRIXOLA_WINDOW_SEED=" + number, "input",
                       failure, shortest, ReplayInWindow(shortest).failure);
}

}  // namespace

class WindowRandomEvents : public QObject {
  Q_OBJECT

 private slots:
  void everyRuleHoldsAfterEveryInput();
};

void WindowRandomEvents::everyRuleHoldsAfterEveryInput() {
  const std::uint64_t onlySeed = FromEnvironment("TRIXOLA_WINDOW_SEED", 0);
  const std::uint64_t total = FromEnvironment("TRIXOLA_WINDOW_EVENTS", kDefaultTotalEvents);
  const std::uint64_t seeds = onlySeed != 0 ? 1 : (total + kEventsPerSeed - 1) / kEventsPerSeed;

  QElapsedTimer clock;
  clock.start();
  WindowTallies tallies;
  int failures = 0;
  std::vector<WindowEvent> played;
  played.reserve(kEventsPerSeed);
  std::uint64_t seedsRun = 0;
  for (std::uint64_t i = 1; i <= seeds && failures < kMaxReportedFailures; ++i) {
    const std::uint64_t seed = onlySeed != 0 ? onlySeed : i;
    ++seedsRun;
    const WindowRunOutcome outcome = RunRandomInWindow(seed, kEventsPerSeed, played);
    tallies += outcome.tallies;
    if (outcome.failure) {
      ++failures;
      qWarning("%s", Report(seed, *outcome.failure, played).c_str());
    }
  }
  const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
  const auto ull = [](std::uint64_t count) { return static_cast<unsigned long long>(count); };
  qInfo("inputs: %llu over %llu seeds (%zu each) in %.1f s, %.0f inputs/s", ull(tallies.events),
        ull(seedsRun), kEventsPerSeed, seconds, static_cast<double>(tallies.events) / seconds);
  qInfo(
      "results: player wins %llu, computer wins %llu, draws %llu; New Game by mouse %llu, "
      "Enter %llu, Space %llu, Alt+N %llu",
      ull(tallies.playerWins), ull(tallies.computerWins), ull(tallies.draws),
      ull(tallies.newGames[0]), ull(tallies.newGames[1]), ull(tallies.newGames[2]),
      ull(tallies.newGames[3]));
  qInfo(
      "clicks: on free cells %llu (sound off %llu, Hard %llu), on locked cells %llu; clock "
      "ticks %llu; title changes %llu; mail links %llu",
      ull(tallies.freeClicks), ull(tallies.freeClicksWithSoundOff), ull(tallies.hardMoves),
      ull(tallies.lockedClicks), ull(tallies.clockTicks), ull(tallies.titleChanges),
      ull(tallies.links));

  QCOMPARE(failures, 0);
  QCOMPARE(tallies.events, seedsRun * kEventsPerSeed);
  if (onlySeed == 0 && seeds >= 2) {
    // The sequences must reach every ending, every way to start a new match
    // and every switch, or the rules were checked on too little.
    QVERIFY(tallies.playerWins > 0);
    QVERIFY(tallies.computerWins > 0);
    QVERIFY(tallies.draws > 0);
    for (std::uint64_t count : tallies.newGames) QVERIFY(count > 0);
    QVERIFY(tallies.freeClicksWithSoundOff > 0);
    QVERIFY(tallies.hardMoves > 0);
    QVERIFY(tallies.lockedClicks > 0);
    QVERIFY(tallies.titleChanges > 0);
    QVERIFY(tallies.links > 0);
  }
}

QTEST_MAIN(WindowRandomEvents)
#include "window_random_events_test.moc"
