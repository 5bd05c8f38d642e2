// The window checks are only worth their run time if they catch a faulty
// window. Each row tampers with the window or its game in one way while
// random input runs, and expects that rule to be reported and the failing
// sequence to shrink to one where every remaining input is needed.
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "tests/reliability/window_runner.h"

using trixola::Board;
using trixola::Game;
using trixola::kFirstCell;
using trixola::kLastCell;
using trixola::Label;
using trixola::Timer;
using namespace trixola::reliability;

namespace {

constexpr std::uint64_t kSeed = 1;
constexpr std::size_t kEvents = 5'000;
// Longer than any of the rows below needs; a longer result means the
// shrinking is not doing its work.
constexpr std::size_t kMaxShrunk = 20;

using Tamper = std::function<void(const WindowEvent&, const WindowState& before, WindowDriver&)>;

// Runs `tamper` right after each input, with the window's state from before it.
WindowHooks After(Tamper tamper) {
  auto before = std::make_shared<WindowState>();
  WindowHooks hooks;
  hooks.beforeInput = [before](const WindowEvent&, WindowDriver& window) {
    *before = WindowState::Read(window);
  };
  hooks.afterInput = [before, tamper](const WindowEvent& event, WindowDriver& window) {
    tamper(event, *before, window);
  };
  return hooks;
}

bool FreeClick(const WindowEvent& event, const WindowState& before) {
  return event.kind == WindowEventKind::ClickCell && before.board.IsCellFree(event.cell);
}

bool Announced(const WindowState& before, const WindowDriver& window) {
  return before.timer4On && !window.form().Timer4Enabled();
}

// The board with the computer's marks moved as `keep` says.
Board WithComputerMarks(const Board& board, const std::function<bool(int)>& keep) {
  Board result = board;
  result.HideMarks();
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    if (board.HasPlayerMark(n)) result.ShowPlayerMark(n);
    if (keep(n)) result.ShowComputerMark(n);
  }
  return result;
}

struct Tampering {
  const char* name;
  std::string_view expectedRule;
  Tamper tamper;
};

const std::vector<Tampering>& Tamperings() {
  static const std::vector<Tampering> rows{
      {"a clock tick leaves WON at 2", invariant::kWonRange,
       [](const WindowEvent& e, const WindowState&, WindowDriver& w) {
         if (e.kind == WindowEventKind::ClockTick) w.game().WON = 2;
       }},
      {"a win waits for the next input", window_rule::kResultAtOnce,
       [](const WindowEvent& e, const WindowState& before, WindowDriver& w) {
         if (FreeClick(e, before) && Announced(before, w) &&
             w.form().Caption(Label::Label1).startsWith("  YOU")) {
           w.game().WON = trixola::kPlayerWon;
         }
       }},
      {"a clock tick unlocks a locked cell", invariant::kLockedStaysLocked,
       [](const WindowEvent& e, const WindowState&, WindowDriver& w) {
         if (e.kind != WindowEventKind::ClockTick) return;
         for (int n = kFirstCell; n <= kLastCell; ++n) {
           if (!w.game().board.IsCellFree(n)) {
             w.game().board.UnlockCell(n);
             return;
           }
         }
       }},
      {"a move over the background hides the computer's marks", invariant::kMarksStay,
       [](const WindowEvent& e, const WindowState&, WindowDriver& w) {
         if (e.kind != WindowEventKind::MoveBackground) return;
         w.game().board = WithComputerMarks(w.game().board, [](int) { return false; });
       }},
      {"the computer answers twice", invariant::kOneComputerMark,
       [](const WindowEvent& e, const WindowState& before, WindowDriver& w) {
         if (!FreeClick(e, before)) return;
         Board& board = w.game().board;
         for (int n = kFirstCell; n <= kLastCell; ++n) {
           if (board.IsCellFree(n) && !board.HasComputerMark(n)) {
             board.ShowComputerMark(n);
             return;
           }
         }
       }},
      {"the computer answers on the clicked cell", window_rule::kNeverBothMarks,
       [](const WindowEvent& e, const WindowState& before, WindowDriver& w) {
         if (!FreeClick(e, before)) return;
         Board& board = w.game().board;
         const auto added = [&](int n) {
           return board.HasComputerMark(n) && !before.board.HasComputerMark(n);
         };
         bool any = false;
         for (int n = kFirstCell; n <= kLastCell; ++n) any = any || added(n);
         if (!any) return;
         board = WithComputerMarks(
             board, [&](int n) { return n == e.cell || (board.HasComputerMark(n) && !added(n)); });
       }},
      {"a player's win counts twice", invariant::kOnePointPerResult,
       [](const WindowEvent&, const WindowState& before, WindowDriver& w) {
         if (w.game().PlayerScore > before.PlayerScore) ++w.game().PlayerScore;
       }},
      {"New Game takes a point off the computer", invariant::kScoresNeverDecrease,
       [](const WindowEvent& e, const WindowState&, WindowDriver& w) {
         if (e.kind == WindowEventKind::NewGameClick && w.game().ComputerScore > 0) {
           --w.game().ComputerScore;
         }
       }},
      {"a draw writes the player's count too", window_rule::kScoreCaptions,
       [](const WindowEvent&, const WindowState& before, WindowDriver& w) {
         if (w.game().DrawScore > before.DrawScore) w.form().SetCaption(Label::Label5, "0");
       }},
      {"the clock skips a second", invariant::kClock,
       [](const WindowEvent& e, const WindowState&, WindowDriver& w) {
         if (e.kind == WindowEventKind::ClockTick) ++w.game().tm;
       }},
      {"a result leaves the focus on Exit", window_rule::kMatchClosed,
       [](const WindowEvent&, const WindowState& before, WindowDriver& w) {
         if (Announced(before, w)) w.form().Command1()->setFocus();
       }},
      {"a result leaves the clock running", window_rule::kMatchClosed,
       [](const WindowEvent&, const WindowState& before, WindowDriver& w) {
         if (Announced(before, w)) w.form().SetTimerEnabled(Timer::Timer1, true);
       }},
      {"a level click with sound off sounds", invariant::kSilentWhenOff,
       [](const WindowEvent& e, const WindowState&, WindowDriver& w) {
         if (e.kind == WindowEventKind::ClickHard && !w.game().Sound) w.form().PlayWave("level");
       }},
      {"a move over the credit shows the title", window_rule::kWindowCaption,
       [](const WindowEvent& e, const WindowState&, WindowDriver& w) {
         if (e.kind == WindowEventKind::MoveCredit) w.form().SetWindowCaption("Zembrik  TRIXOLA");
       }},
      {"a credit click hands over the link twice", window_rule::kContactLink,
       [](const WindowEvent& e, const WindowState&, WindowDriver& w) {
         if (e.kind == WindowEventKind::ClickCredit) w.form().OpenLink("mailto:x@example.org");
       }},
      {"a turn forgets a line move", window_rule::kLikeTheGame,
       [](const WindowEvent& e, const WindowState& before, WindowDriver& w) {
         if (FreeClick(e, before) && w.game().Done) w.game().Done = false;
       }},
  };
  return rows;
}

}  // namespace

class WindowCheckerTest : public QObject {
  Q_OBJECT

 private slots:
  void untouchedWindowPasses();
  void tamperingIsCaught_data();
  void tamperingIsCaught();
};

// The same seed without tampering breaks no rule: the rows below fail
// because of their tampering alone.
void WindowCheckerTest::untouchedWindowPasses() {
  std::vector<WindowEvent> played;
  const WindowRunOutcome outcome = RunRandomInWindow(kSeed, kEvents, played);
  QVERIFY2(!outcome.failure, outcome.failure ? outcome.failure->violation.detail.c_str() : "");
}

void WindowCheckerTest::tamperingIsCaught_data() {
  QTest::addColumn<int>("row");
  for (std::size_t i = 0; i < Tamperings().size(); ++i) {
    QTest::newRow(Tamperings()[i].name) << static_cast<int>(i);
  }
}

void WindowCheckerTest::tamperingIsCaught() {
  QFETCH(int, row);
  const Tampering& tampering = Tamperings()[static_cast<std::size_t>(row)];
  const WindowHooks hooks = After(tampering.tamper);

  std::vector<WindowEvent> played;
  const WindowRunOutcome outcome = RunRandomInWindow(kSeed, kEvents, played, hooks);
  QVERIFY2(outcome.failure.has_value(), "the tampering went unnoticed");
  QCOMPARE(outcome.failure->violation.invariant, tampering.expectedRule);

  const std::vector<WindowEvent> shortest =
      ShrinkInWindow(played, tampering.expectedRule, hooks, std::chrono::seconds(60));
  qInfo("%s: input %zu of the run; shortest: %s", tampering.name, outcome.failure->index + 1,
        Describe(shortest).c_str());
  QVERIFY(!shortest.empty());
  QVERIFY2(shortest.size() <= kMaxShrunk, Describe(shortest).c_str());
  const WindowRunOutcome again = ReplayInWindow(shortest, hooks);
  QVERIFY(again.failure.has_value());
  QCOMPARE(again.failure->violation.invariant, tampering.expectedRule);
  QCOMPARE(again.failure->index + 1, shortest.size());
  // Every input left is needed.
  for (std::size_t i = 0; i < shortest.size(); ++i) {
    std::vector<WindowEvent> without = shortest;
    without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
    const WindowRunOutcome outcomeWithout = ReplayInWindow(without, hooks);
    QVERIFY2(!outcomeWithout.failure ||
                 outcomeWithout.failure->violation.invariant != tampering.expectedRule,
             ("input " + std::to_string(i + 1) + " is not needed").c_str());
  }
}

QTEST_MAIN(WindowCheckerTest)
#include "window_checker_test.moc"
