// Every match a player can play, at both levels and with both orders of the
// two detectors after each click, played to its result. Each step is checked
// against rules stated independently of the code: what a click may change,
// that marks never vanish, and that the result counted is the one the board
// shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <vector>

#include "harness.h"

namespace trixola::testing {
namespace {

bool HasLine(const Board& board, bool (Board::*hasMark)(int) const) {
  return std::any_of(LineTable.begin(), LineTable.end(), [&](const Line& line) {
    return std::all_of(line.begin(), line.end(), [&](int n) { return (board.*hasMark)(n); });
  });
}

int Count(const Board& board, bool (Board::*test)(int) const) {
  int count = 0;
  for (int n = 1; n <= 9; ++n) count += (board.*test)(n) ? 1 : 0;
  return count;
}

struct Tally {
  long matches = 0;
  long playerWins = 0;
  long computerWins = 0;
  long draws = 0;
  int longest = 0;
};

class Explorer {
 public:
  Explorer(std::int16_t level, TickOrder order) : level_(level), order_(order) {}

  void Run() { Explore(); }
  const Tally& tally() const { return tally_; }

 private:
  // Replays the clicks so far on a fresh game, checking the last step.
  void Explore() {
    Harness h;
    h.game.Hard = level_;
    for (std::size_t i = 0; i < clicks_.size(); ++i) {
      const bool last = i + 1 == clicks_.size();
      if (last) {
        CheckedStep(h, clicks_[i]);
      } else {
        h.ClickAndTick(clicks_[i], order_);
      }
      if (::testing::Test::HasFailure()) return;
    }
    if (h.MatchOver()) {
      CheckEnd(h);
      return;
    }
    ASSERT_EQ(h.game.PlayerScore + h.game.ComputerScore + h.game.DrawScore, 0) << Where();
    for (int n = 1; n <= 9; ++n) {
      if (!h.game.board.IsCellFree(n)) continue;
      clicks_.push_back(n);
      Explore();
      clicks_.pop_back();
      if (::testing::Test::HasFailure()) return;
    }
  }

  void CheckedStep(Harness& h, int n) {
    const Board before = h.game.board;
    const int freeBefore = Count(before, &Board::IsCellFree);
    h.game.Image_Click(n);
    const Board& after = h.game.board;

    ASSERT_TRUE(after.HasPlayerMark(n) && !after.IsCellFree(n)) << Where();
    const int newComputerMarks =
        Count(after, &Board::HasComputerMark) - Count(before, &Board::HasComputerMark);
    ASSERT_EQ(newComputerMarks, freeBefore > 1 ? 1 : 0) << Where();
    for (int c = 1; c <= 9; ++c) {
      const Board::Cell& was = before.cell(c);
      const Board::Cell& is = after.cell(c);
      ASSERT_FALSE(is.playerVisible && is.computerVisible) << Where() << " cell " << c;
      ASSERT_TRUE(!was.playerVisible || is.playerVisible) << Where();
      ASSERT_TRUE(!was.computerVisible || is.computerVisible) << Where();
      ASSERT_TRUE(was.imageEnabled || !is.imageEnabled) << Where();
    }
    // Whatever the turn found is waiting in WON, the player's line first.
    std::int16_t expected = kNoResult;
    if (HasLine(after, &Board::HasPlayerMark)) {
      expected = kPlayerWon;
    } else if (HasLine(after, &Board::HasComputerMark)) {
      expected = kComputerWon;
    }
    ASSERT_EQ(h.game.WON, expected) << Where();

    h.Detectors(order_);
    ASSERT_TRUE(h.game.WON == kNoResult || h.game.WON == kPlayerWon || h.game.WON == kComputerWon)
        << Where();
    // After the lock-down every mark is locked.
    for (int c = 1; c <= 9; ++c) {
      const Board::Cell& cell = after.cell(c);
      ASSERT_TRUE(!(cell.playerVisible || cell.computerVisible) || !cell.imageEnabled) << Where();
    }
  }

  void CheckEnd(const Harness& h) {
    const Board& board = h.game.board;
    ASSERT_EQ(Count(board, &Board::IsCellFree), 0) << Where();
    ASSERT_FALSE(h.form.timer4On) << Where();
    ASSERT_FALSE(h.form.timer1On) << Where();
    ASSERT_TRUE(h.form.focusOnCommand2) << Where();
    ASSERT_EQ(h.game.WON, kNoResult) << Where();
    ASSERT_EQ(h.game.PlayerScore + h.game.ComputerScore + h.game.DrawScore, 1) << Where();
    const std::string banner = h.form.Caption(Label::Label1);
    if (HasLine(board, &Board::HasPlayerMark)) {
      ASSERT_EQ(h.game.PlayerScore, 1) << Where();
      ASSERT_EQ(banner, "  YOU WON THE GAME");
      ASSERT_EQ(h.form.Caption(Label::Label5), "1");
      ++tally_.playerWins;
    } else if (HasLine(board, &Board::HasComputerMark)) {
      ASSERT_EQ(h.game.ComputerScore, 1) << Where();
      ASSERT_EQ(banner, "COMPUTER WON THE GAME");
      ASSERT_EQ(h.form.Caption(Label::Label4), "1");
      ++tally_.computerWins;
    } else {
      ASSERT_EQ(h.game.DrawScore, 1) << Where();
      ASSERT_EQ(Count(board, &Board::HasPlayerMark) + Count(board, &Board::HasComputerMark), 9);
      ASSERT_EQ(banner, "THE MATCH IS DRAW");
      ASSERT_EQ(h.form.Caption(Label::Label6), "Draw: 1");
      ++tally_.draws;
    }
    ++tally_.matches;
    tally_.longest = std::max(tally_.longest, static_cast<int>(clicks_.size()));
  }

  std::string Where() const {
    std::string text = (level_ == 1 ? "Hard" : "Easy");
    text += order_ == TickOrder::LockDownFirst ? ", lock-down first, clicks"
                                               : ", announcer first, clicks";
    for (int n : clicks_) text += " " + std::to_string(n);
    return text;
  }

  std::int16_t level_;
  TickOrder order_;
  std::vector<int> clicks_;
  Tally tally_;
};

TEST(EveryMatch, EndsWithExactlyOneCorrectResult) {
  std::vector<Tally> byOrder;
  for (const std::int16_t level : {0, 1}) {
    for (const TickOrder order : {TickOrder::LockDownFirst, TickOrder::AnnouncerFirst}) {
      Explorer explorer(level, order);
      explorer.Run();
      ASSERT_FALSE(HasFailure());
      const Tally& t = explorer.tally();
      std::cout << (level == 1 ? "Hard" : "Easy")
                << (order == TickOrder::LockDownFirst ? ", lock-down tick first:  "
                                                      : ", announcer tick first:  ")
                << t.matches << " matches: player won " << t.playerWins << ", computer won "
                << t.computerWins << ", drawn " << t.draws << "; longest " << t.longest
                << " clicks\n";
      EXPECT_EQ(t.matches, t.playerWins + t.computerWins + t.draws);
      EXPECT_GT(t.matches, 0);
      byOrder.push_back(t);
    }
    // The order of the two detectors never changes how a match ends.
    const Tally& a = byOrder[byOrder.size() - 2];
    const Tally& b = byOrder.back();
    EXPECT_EQ(a.matches, b.matches);
    EXPECT_EQ(a.playerWins, b.playerWins);
    EXPECT_EQ(a.computerWins, b.computerWins);
    EXPECT_EQ(a.draws, b.draws);
  }
}

}  // namespace
}  // namespace trixola::testing
