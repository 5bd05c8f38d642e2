// Counters at the top of their type, through the real window: a score
// counter (16-bit) or the clock tm (32-bit) set to its largest value, or one
// below, through the window's game; then results played and the clock ticked
// with real input. The counter stays at its top and the window keeps showing
// it, and nothing else moves.
#include <QTest>
#include <cstdint>
#include <vector>

#include "tests/reliability/window_checker.h"
#include "tests/reliability/window_driver.h"

using trixola::Game;
using trixola::Label;
using trixola::reliability::SoundRecorder;
using trixola::reliability::WindowDriver;
using trixola::reliability::WindowState;

namespace {

constexpr std::int16_t kScoreMax = 32767;
constexpr std::int32_t kClockMax = 2147483647;

// Easy-level click orders that end in each result.
const std::vector<int> kPlayerWins{1, 3, 2};
const std::vector<int> kComputerWins{5, 6, 9};
const std::vector<int> kDraw{1, 2, 7, 6, 8};

enum class Counter { Player, Computer, Draws, Clock };

void PlayMatch(WindowDriver& window, const std::vector<int>& clicks) {
  window.ClickNewGame();
  for (int n : clicks) window.ClickCell(n);
}

}  // namespace

Q_DECLARE_METATYPE(Counter)

class WindowSaturation : public QObject {
  Q_OBJECT

 private slots:
  void counterHoldsItsTop_data();
  void counterHoldsItsTop();
  void allScoresAtTopThroughMixedResults();
};

void WindowSaturation::counterHoldsItsTop_data() {
  QTest::addColumn<Counter>("counter");
  QTest::addColumn<int>("start");
  QTest::addColumn<QString>("banner");  // empty: the round announces nothing
  QTest::addColumn<QString>("caption");
  QTest::newRow("player at top") << Counter::Player << int(kScoreMax) << "  YOU WON THE GAME"
                                 << "32767";
  QTest::newRow("player one below") << Counter::Player << kScoreMax - 1 << "  YOU WON THE GAME"
                                    << "32767";
  QTest::newRow("computer at top") << Counter::Computer << int(kScoreMax) << "COMPUTER WON THE GAME"
                                   << "32767";
  QTest::newRow("computer one below")
      << Counter::Computer << kScoreMax - 1 << "COMPUTER WON THE GAME"
      << "32767";
  QTest::newRow("draws at top") << Counter::Draws << int(kScoreMax) << "THE MATCH IS DRAW"
                                << "Draw: 32767";
  QTest::newRow("draws one below") << Counter::Draws << kScoreMax - 1 << "THE MATCH IS DRAW"
                                   << "Draw: 32767";
  QTest::newRow("clock at top") << Counter::Clock << kClockMax << ""
                                << "2147483647 Seconds";
  QTest::newRow("clock one below") << Counter::Clock << kClockMax - 1 << ""
                                   << "2147483647 Seconds";
}

void WindowSaturation::counterHoldsItsTop() {
  QFETCH(Counter, counter);
  QFETCH(int, start);
  QFETCH(QString, banner);
  QFETCH(QString, caption);

  SoundRecorder sounds;
  WindowDriver window(sounds);
  Game& game = window.game();
  const struct {
    Label label;
    std::int64_t max;
    const std::vector<int>* clicks;
  } of[] = {{Label::Label5, kScoreMax, &kPlayerWins},
            {Label::Label4, kScoreMax, &kComputerWins},
            {Label::Label6, kScoreMax, &kDraw},
            {Label::lbltime, kClockMax, nullptr}};
  const auto& c = of[static_cast<int>(counter)];
  const auto value = [&game, counter]() -> std::int64_t {
    switch (counter) {
      case Counter::Player:
        return game.PlayerScore;
      case Counter::Computer:
        return game.ComputerScore;
      case Counter::Draws:
        return game.DrawScore;
      case Counter::Clock:
        return game.tm;
    }
    return -1;
  };
  switch (counter) {
    case Counter::Player:
      game.PlayerScore = static_cast<std::int16_t>(start);
      break;
    case Counter::Computer:
      game.ComputerScore = static_cast<std::int16_t>(start);
      break;
    case Counter::Draws:
      game.DrawScore = static_cast<std::int16_t>(start);
      break;
    case Counter::Clock:
      game.tm = start;
      break;
  }
  const WindowState before = WindowState::Read(window);

  for (int round = 1; round <= 3; ++round) {
    if (c.clicks != nullptr) {
      PlayMatch(window, *c.clicks);
      QCOMPARE(window.form().Caption(Label::Label1), banner);
    } else {
      QVERIFY(window.ClockRunning());
      window.TickClock();
    }
    QCOMPARE(value(), c.max);
    QCOMPARE(window.form().Caption(c.label), caption);
  }
  // The other counters and their captions did not move.
  const WindowState after = WindowState::Read(window);
  for (Label other : {Label::Label4, Label::Label5, Label::Label6, Label::lbltime}) {
    if (other != c.label) QCOMPARE(after.Caption(other), before.Caption(other));
  }
  if (counter != Counter::Player) QCOMPARE(after.PlayerScore, before.PlayerScore);
  if (counter != Counter::Computer) QCOMPARE(after.ComputerScore, before.ComputerScore);
  if (counter != Counter::Draws) QCOMPARE(after.DrawScore, before.DrawScore);
}

// All three scores at their top at once, through one result of each kind,
// with the clock at its top in each match.
void WindowSaturation::allScoresAtTopThroughMixedResults() {
  SoundRecorder sounds;
  WindowDriver window(sounds);
  Game& game = window.game();
  game.PlayerScore = kScoreMax;
  game.ComputerScore = kScoreMax;
  game.DrawScore = kScoreMax;
  const struct {
    const std::vector<int>* clicks;
    const char* banner;
  } matches[] = {{&kPlayerWins, "  YOU WON THE GAME"},
                 {&kComputerWins, "COMPUTER WON THE GAME"},
                 {&kDraw, "THE MATCH IS DRAW"}};
  for (const auto& match : matches) {
    window.ClickNewGame();
    game.tm = kClockMax;
    window.TickClock();
    for (int n : *match.clicks) window.ClickCell(n);
    QCOMPARE(window.form().Caption(Label::Label1), QString(match.banner));
    QCOMPARE(window.form().Caption(Label::lbltime), QString("2147483647 Seconds"));
  }
  QCOMPARE(game.PlayerScore, kScoreMax);
  QCOMPARE(game.ComputerScore, kScoreMax);
  QCOMPARE(game.DrawScore, kScoreMax);
  QCOMPARE(window.form().Caption(Label::Label5), QString("32767"));
  QCOMPARE(window.form().Caption(Label::Label4), QString("32767"));
  QCOMPARE(window.form().Caption(Label::Label6), QString("Draw: 32767"));
  QCOMPARE(game.tm, kClockMax);
}

QTEST_MAIN(WindowSaturation)
#include "window_saturation_test.moc"
