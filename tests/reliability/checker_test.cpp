// The random-event checks are only worth their run time if they catch a
// faulty game. Each row tampers with the game or its window in one way while
// random events run, and expects that rule to be reported and the failing
// sequence to shrink to one where every remaining event is needed.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <iostream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/reliability/event_runner.h"

namespace trixola::reliability {
namespace {

constexpr std::size_t kEventsPerSeed = 10'000;

using AfterFault = std::function<void(const Event&, const Snapshot& before, Game&, RecordingForm&)>;

// Runs `fault` right after each handler, with the state from before the event.
FaultHooks After(AfterFault fault) {
  auto before = std::make_shared<Snapshot>();
  FaultHooks hooks;
  hooks.beforeHandler = [before](const Event&, Game& game, RecordingForm& form) {
    *before = Snapshot::Take(game, form);
  };
  hooks.afterHandler = [before, fault](const Event& event, Game& game, RecordingForm& form) {
    fault(event, *before, game, form);
  };
  return hooks;
}

bool FreeClick(const Event& event, const Snapshot& before) {
  return event.kind == EventKind::Click && before.board.IsCellFree(event.cell);
}

// The board with cell n's computer mark hidden.
Board WithoutComputerMark(const Board& board, int n) {
  Board result = board;
  result.HideMarks();
  for (int m = kFirstCell; m <= kLastCell; ++m) {
    if (board.HasPlayerMark(m)) result.ShowPlayerMark(m);
    if (board.HasComputerMark(m) && m != n) result.ShowComputerMark(m);
  }
  return result;
}

struct Tampering {
  std::string_view name;
  Pacing pacing;
  std::string_view expectedRule;
  std::function<FaultHooks()> hooks;
};

void PrintTo(const Tampering& tampering, std::ostream* out) {
  *out << tampering.name;
}

std::vector<Tampering> Tamperings() {
  return {
      {"a win leaves WON at 2", Pacing::Bursts, invariant::kWonRange,
       [] {
         return After([](const Event& e, const Snapshot&, Game& game, RecordingForm&) {
           if (e.kind == EventKind::Click && game.WON == kPlayerWon) game.WON = 2;
         });
       }},
      {"the lock-down unlocks a marked cell", Pacing::Bursts, invariant::kLockedStaysLocked,
       [] {
         return After([](const Event& e, const Snapshot& before, Game& game, RecordingForm&) {
           if (e.kind != EventKind::Timer4Tick) return;
           for (int n = kFirstCell; n <= kLastCell; ++n) {
             if (!before.board.IsCellFree(n)) {
               game.board.UnlockCell(n);
               return;
             }
           }
         });
       }},
      {"the lock-down hides a computer mark", Pacing::Bursts, invariant::kMarksStay,
       [] {
         return After([](const Event& e, const Snapshot& before, Game& game, RecordingForm&) {
           if (e.kind != EventKind::Timer4Tick) return;
           for (int n = kFirstCell; n <= kLastCell; ++n) {
             if (before.board.HasComputerMark(n)) {
               game.board = WithoutComputerMark(game.board, n);
               return;
             }
           }
         });
       }},
      {"the computer answers a click twice", Pacing::Bursts, invariant::kOneComputerMark,
       [] {
         return After([](const Event& e, const Snapshot& before, Game& game, RecordingForm&) {
           if (!FreeClick(e, before)) return;
           int added = 0;
           for (int n = kFirstCell; n <= kLastCell && added < 2; ++n) {
             if (game.board.IsCellFree(n) && !game.board.HasComputerMark(n)) {
               game.board.ShowComputerMark(n);
               ++added;
             }
           }
         });
       }},
      {"a click on a locked cell clears Done", Pacing::Bursts, invariant::kLockedClickInert,
       [] {
         return After([](const Event& e, const Snapshot& before, Game& game, RecordingForm&) {
           if (e.kind == EventKind::Click && !FreeClick(e, before)) game.Done = !game.Done;
         });
       }},
      {"the player's win is counted twice", Pacing::Bursts, invariant::kOnePointPerResult,
       [] {
         return After([](const Event& e, const Snapshot& before, Game& game, RecordingForm&) {
           if (e.kind == EventKind::Timer3Tick && before.WON == kPlayerWon) ++game.PlayerScore;
         });
       }},
      {"New Game takes a point from the computer", Pacing::DetectorsAfterEveryClick,
       invariant::kScoresNeverDecrease,
       [] {
         return After([](const Event& e, const Snapshot&, Game& game, RecordingForm&) {
           if (e.kind == EventKind::NewGame && game.ComputerScore > 0) --game.ComputerScore;
         });
       }},
      {"the computer's count is shown wrong", Pacing::Bursts, invariant::kScoreCaption,
       [] {
         return After([](const Event& e, const Snapshot& before, Game&, RecordingForm& form) {
           if (e.kind == EventKind::Timer3Tick && before.WON == kComputerWon) {
             form.SetCaption(Label::Label4, "0");
           }
         });
       }},
      {"a draw is declared with a cell empty", Pacing::Bursts, invariant::kResultIsReal,
       [] {
         return After([](const Event& e, const Snapshot& before, Game& game, RecordingForm& form) {
           if (e.kind != EventKind::Timer4Tick || !form.timer4On || before.WON != kNoResult) return;
           int marks = 0;
           for (int n = kFirstCell; n <= kLastCell; ++n) {
             marks += game.board.HasPlayerMark(n) || game.board.HasComputerMark(n);
           }
           if (marks < 4) return;
           ++game.DrawScore;
           form.SetCaption(Label::Label6, "Draw: " + std::to_string(game.DrawScore));
           form.SetCaption(Label::Label1, kDrawCaption);
           form.SetTimerEnabled(Timer::Timer4, false);
           game.board.DisableCells();
           form.FocusCommand2();
           form.SetTimerEnabled(Timer::Timer1, false);
         });
       }},
      {"the announcer swallows the player's win", Pacing::DetectorsAfterEveryClick,
       invariant::kResultAnnounced,
       [] {
         FaultHooks hooks;
         hooks.beforeHandler = [](const Event& e, Game& game, RecordingForm&) {
           if (e.kind == EventKind::Timer3Tick && game.WON == kPlayerWon) game.WON = kNoResult;
         };
         return hooks;
       }},
      {"the draw banner is shown in green", Pacing::Bursts, invariant::kBanner,
       [] {
         return After([](const Event& e, const Snapshot&, Game& game, RecordingForm& form) {
           if (e.kind == EventKind::Timer4Tick && game.DrawScore > 0 &&
               form.Caption(Label::Label1) == kDrawCaption) {
             form.SetForeColor(Label::Label1, kBannerGreen);
           }
         });
       }},
      {"a win leaves a cell free", Pacing::Bursts, invariant::kMatchClosed,
       [] {
         return After([](const Event& e, const Snapshot& before, Game& game, RecordingForm&) {
           if (e.kind != EventKind::Timer3Tick || before.WON == kNoResult) return;
           for (int n = kFirstCell; n <= kLastCell; ++n) {
             if (before.board.IsCellFree(n)) {
               game.board.UnlockCell(n);
               return;
             }
           }
         });
       }},
      {"a turn forgets the player's line", Pacing::DetectorsAfterEveryClick,
       invariant::kLineMeansResult,
       [] {
         return After([](const Event& e, const Snapshot&, Game& game, RecordingForm&) {
           if (e.kind == EventKind::Click && game.WON == kPlayerWon) game.WON = kNoResult;
         });
       }},
      {"the clock counts two at a time", Pacing::Bursts, invariant::kClock,
       [] {
         return After([](const Event& e, const Snapshot&, Game& game, RecordingForm&) {
           if (e.kind == EventKind::Timer1Tick) ++game.tm;
         });
       }},
      {"New Game leaves the clock stopped", Pacing::Bursts, invariant::kNewGame,
       [] {
         return After([](const Event& e, const Snapshot&, Game&, RecordingForm& form) {
           if (e.kind == EventKind::NewGame) form.SetTimerEnabled(Timer::Timer1, false);
         });
       }},
      {"New Game switches the level", Pacing::Bursts, invariant::kNewGameKeeps,
       [] {
         return After([](const Event& e, const Snapshot&, Game& game, RecordingForm&) {
           if (e.kind == EventKind::NewGame) game.Hard = static_cast<std::int16_t>(1 - game.Hard);
         });
       }},
      {"the idle announcer turns the banner green", Pacing::Bursts, invariant::kIdleAnnouncer,
       [] {
         return After([](const Event& e, const Snapshot& before, Game&, RecordingForm& form) {
           if (e.kind == EventKind::Timer3Tick && before.WON == kNoResult) {
             form.SetForeColor(Label::Label1, kBannerGreen);
           }
         });
       }},
      {"a click sounds while sound is off", Pacing::Bursts, invariant::kSilentWhenOff,
       [] {
         return After([](const Event& e, const Snapshot&, Game& game, RecordingForm& form) {
           if (e.kind == EventKind::Click && !game.Sound) form.PlayWave("click");
         });
       }},
      {"the computer's win plays the player's sound", Pacing::Bursts, invariant::kSounds,
       [] {
         return After([](const Event& e, const Snapshot& before, Game& game, RecordingForm&) {
           if (e.kind == EventKind::Timer3Tick && before.WON == kComputerWon) {
             game.PlaySound("youwon");
           }
         });
       }},
      {"the computer marks the cell just clicked", Pacing::DetectorsAfterEveryClick,
       invariant::kNeverBothMarks,
       [] {
         // Moves the computer's new mark onto the player's cell, where a
         // click on an unlocked computer mark would leave both marks.
         return After([](const Event& e, const Snapshot& before, Game& game, RecordingForm&) {
           if (!FreeClick(e, before) || game.WON != kNoResult) return;
           for (int m = kFirstCell; m <= kLastCell; ++m) {
             if (game.board.HasComputerMark(m) && !before.board.HasComputerMark(m)) {
               Board moved = WithoutComputerMark(game.board, m);
               moved.ShowComputerMark(e.cell);
               if (!PlayerLine(moved) && !ComputerLine(moved)) game.board = moved;
               return;
             }
           }
         });
       }},
  };
}

class TamperedGame : public ::testing::TestWithParam<Tampering> {};

TEST_P(TamperedGame, IsCaughtAndShrunkToNeededEvents) {
  const Tampering& tampering = GetParam();
  const FaultHooks hooks = tampering.hooks();
  std::vector<Event> played;
  const RunOutcome outcome = RunRandom(1, tampering.pacing, kEventsPerSeed, played, hooks);
  ASSERT_TRUE(outcome.failure.has_value()) << "not caught in " << played.size() << " events";
  EXPECT_EQ(outcome.failure->violation.invariant, tampering.expectedRule)
      << outcome.failure->violation.detail;

  const std::vector<Event> shortest = Shrink(played, outcome.failure->violation.invariant, hooks);
  std::cout << "[ shrunk   ] " << played.size() << " -> " << shortest.size()
            << " events: " << Describe(shortest) << "\n";
  ASSERT_FALSE(shortest.empty());
  EXPECT_LT(shortest.size(), played.size());
  const RunOutcome again = Replay(shortest, hooks);
  ASSERT_TRUE(again.failure.has_value());
  EXPECT_EQ(again.failure->violation.invariant, outcome.failure->violation.invariant);
  EXPECT_EQ(again.failure->index + 1, shortest.size());
  // No single event can be left out.
  for (std::size_t i = 0; i < shortest.size(); ++i) {
    std::vector<Event> fewer = shortest;
    fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
    const RunOutcome without = Replay(fewer, hooks);
    EXPECT_FALSE(without.failure &&
                 without.failure->violation.invariant == outcome.failure->violation.invariant)
        << "event " << i + 1 << " (" << Describe(shortest[i]) << ") is not needed";
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, TamperedGame, ::testing::ValuesIn(Tamperings()),
                         [](const ::testing::TestParamInfo<Tampering>& info) {
                           std::string name;
                           for (char c : info.param.name) {
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           }
                           return name;
                         });

// A seed stands for one sequence: drawing it twice gives the same events, and
// replaying the recorded events gives the same run.
TEST(RandomEvents, SeedReproducesItsRun) {
  for (const Pacing pacing : {Pacing::DetectorsAfterEveryClick, Pacing::Bursts}) {
    std::vector<Event> first;
    std::vector<Event> second;
    const RunOutcome a = RunRandom(7, pacing, kEventsPerSeed, first);
    const RunOutcome b = RunRandom(7, pacing, kEventsPerSeed, second);
    EXPECT_EQ(first, second);
    const RunOutcome replayed = Replay(first);
    EXPECT_FALSE(a.failure.has_value());
    EXPECT_FALSE(replayed.failure.has_value());
    EXPECT_EQ(replayed.tallies.events, a.tallies.events);
    EXPECT_EQ(replayed.tallies.playerWins, b.tallies.playerWins);
    EXPECT_EQ(replayed.tallies.computerWins, b.tallies.computerWins);
    EXPECT_EQ(replayed.tallies.draws, b.tallies.draws);
  }
}

}  // namespace
}  // namespace trixola::reliability
