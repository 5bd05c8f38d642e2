// Lock-down and draw detection, the announcer, the clock, New Game and the
// score counters.
#include <gtest/gtest.h>

#include "harness.h"

namespace trixola::testing {
namespace {

void ExpectMatchClosed(const Harness& h) {
  EXPECT_EQ(h.game.WON, kNoResult);
  EXPECT_FALSE(h.form.timer4On);
  EXPECT_FALSE(h.form.timer1On);
  EXPECT_TRUE(h.form.focusOnCommand2);
  for (int n = 1; n <= 9; ++n) {
    EXPECT_FALSE(h.game.board.IsCellFree(n)) << "cell " << n;
  }
}

TEST(LockDown, LocksEveryMarkedCellAndNothingElse) {
  Harness h;
  SetBoard(h.game, "o.X.o....");
  h.game.Timer4_Timer();
  EXPECT_EQ(BoardText(h.game.board), "O.X.O....");
  EXPECT_TRUE(h.form.timer4On);
  EXPECT_EQ(h.game.DrawScore, 0);
}

TEST(LockDown, FullBoardWithoutLineIsADraw) {
  Harness h;
  SetBoard(h.game, "XOXXOOOXo");
  h.form.log.clear();
  h.game.Timer4_Timer();
  EXPECT_EQ(h.game.DrawScore, 1);
  EXPECT_EQ(h.form.log,
            (std::vector<std::string>{"caption Label6=Draw: 1", "caption Label1=THE MATCH IS DRAW",
                                      "color Label1=16777215", "sound draw", "Timer4 off",
                                      "focus Command2", "Timer1 off"}));
  ExpectMatchClosed(h);
}

TEST(LockDown, LockedEmptyCellIsNotFreeSoItCountsTowardsTheDraw) {
  // Only the end of a match locks empty cells, and it turns Timer4 off first;
  // the test shows the detector trusts the click targets alone.
  Harness h;
  SetBoard(h.game, "XOXXOOOX#");
  h.game.Timer4_Timer();
  EXPECT_EQ(h.game.DrawScore, 1);
}

TEST(LockDown, WaitingResultIsNeverADraw) {
  Harness h;
  SetBoard(h.game, "XXXOOXOXO");
  h.game.WON = kPlayerWon;
  h.game.Timer4_Timer();
  EXPECT_EQ(h.game.DrawScore, 0);
  EXPECT_TRUE(h.form.timer4On);
}

struct AnnounceCase {
  std::int16_t won;
  const char* banner;
  Label scoreLabel;
  const char* sound;
};

class Announcer : public ::testing::TestWithParam<AnnounceCase> {};

TEST_P(Announcer, AnnouncesCountsAndClosesTheMatch) {
  const AnnounceCase& c = GetParam();
  Harness h;
  h.game.WON = c.won;
  h.game.Timer3_Timer();
  EXPECT_EQ(h.form.Caption(Label::Label1), c.banner);
  EXPECT_EQ(h.form.foreColors[Label::Label1], kBannerGreen);
  EXPECT_EQ(h.form.Caption(c.scoreLabel), "1");
  EXPECT_EQ(h.form.sounds, (std::vector<std::string>{c.sound}));
  EXPECT_EQ(h.game.PlayerScore + h.game.ComputerScore, 1);
  EXPECT_EQ(h.game.DrawScore, 0);
  ExpectMatchClosed(h);
  // Closed for good: more ticks of either detector change nothing.
  const auto log = h.form.log;
  h.game.Timer3_Timer();
  h.Detectors();
  EXPECT_EQ(h.form.log, log);
}

INSTANTIATE_TEST_SUITE_P(Results, Announcer,
                         ::testing::Values(AnnounceCase{kPlayerWon, "  YOU WON THE GAME",
                                                        Label::Label5, "youwon"},
                                           AnnounceCase{kComputerWon, "COMPUTER WON THE GAME",
                                                        Label::Label4, "compwon"}));

TEST(Announcer, NothingWhileNoResultWaits) {
  Harness h;
  for (int i = 0; i < 5; ++i) h.game.Timer3_Timer();
  EXPECT_TRUE(h.form.log.empty());
}

// A line completed with the ninth mark is a win whichever detector ticks first.
class NinthMark : public ::testing::TestWithParam<TickOrder> {};

TEST_P(NinthMark, IsAWinNeverADraw) {
  // The player's ninth mark completes the diagonal 1-5-9 and fills the board.
  Harness w;
  SetBoard(w.game, "XOXOXOOX.");
  w.game.Image_Click(9);
  EXPECT_EQ(w.game.WON, kPlayerWon);
  w.Detectors(GetParam());
  EXPECT_EQ(w.game.PlayerScore, 1);
  EXPECT_EQ(w.game.DrawScore, 0);
  EXPECT_EQ(w.form.sounds.back(), "youwon");
  ExpectMatchClosed(w);
  w.Detectors(GetParam());
  EXPECT_EQ(w.game.DrawScore, 0);
}

INSTANTIATE_TEST_SUITE_P(BothOrders, NinthMark,
                         ::testing::Values(TickOrder::LockDownFirst, TickOrder::AnnouncerFirst));

TEST(Scores, TwoWinsAndALossLeaveTheDrawLabelEmpty) {
  Harness h;
  for (std::int16_t won : {kPlayerWon, kComputerWon, kPlayerWon}) {
    h.game.Command2_Click();
    h.game.WON = won;
    h.game.Timer3_Timer();
  }
  EXPECT_EQ(h.form.Caption(Label::Label5), "2");
  EXPECT_EQ(h.form.Caption(Label::Label4), "1");
  EXPECT_FALSE(h.form.captions.count(Label::Label6));
}

TEST(Clock, CountsSecondsAndKeepsItsCaptionOverNewGame) {
  Harness h;
  EXPECT_FALSE(h.form.captions.count(Label::lbltime));
  for (const char* caption : {"1 Seconds", "2 Seconds", "3 Seconds"}) {
    h.game.Timer1_Timer();
    EXPECT_EQ(h.form.Caption(Label::lbltime), caption);
  }
  h.game.Command2_Click();
  EXPECT_EQ(h.game.tm, 0);
  EXPECT_EQ(h.form.Caption(Label::lbltime), "3 Seconds");
  h.game.Timer1_Timer();
  EXPECT_EQ(h.form.Caption(Label::lbltime), "1 Seconds");
}

TEST(NewGame, ClearsTheBoardAndRestartsTheMatch) {
  Harness h;
  h.game.Hard = 1;
  h.game.imgSound_Click();  // sound off
  SetBoard(h.game, "XXXOO.o..");
  h.game.WON = kPlayerWon;
  h.game.Timer3_Timer();
  h.game.tm = 7;
  h.form.log.clear();
  h.game.Command2_Click();
  EXPECT_EQ(BoardText(h.game.board), ".........");
  EXPECT_EQ(h.game.WON, kNoResult);
  for (bool answered : h.game.rdone) {
    EXPECT_FALSE(answered);
  }
  EXPECT_EQ(h.game.tm, 0);
  EXPECT_EQ(h.form.log, (std::vector<std::string>{"caption Label1=WELCOME TO TRIXOLA",
                                                  "color Label1=33023", "Timer4 on", "Timer1 on"}));
  EXPECT_EQ(h.game.PlayerScore, 1);
  EXPECT_EQ(h.game.Hard, 1);
  EXPECT_FALSE(h.game.Sound);

  // Twice is the same as once.
  const Board once = h.game.board;
  h.game.Command2_Click();
  EXPECT_EQ(h.game.board, once);
  EXPECT_TRUE(h.form.timer4On && h.form.timer1On);
}

TEST(NewGame, DiscardsAWaitingResult) {
  Harness h;
  SetBoard(h.game, "XX.OO....");
  h.game.Image_Click(3);
  ASSERT_EQ(h.game.WON, kPlayerWon);
  h.game.Command2_Click();
  h.Detectors();
  EXPECT_EQ(h.game.PlayerScore, 0);
  EXPECT_EQ(h.form.Caption(Label::Label1), "WELCOME TO TRIXOLA");
}

TEST(NewGame, LevelStaysInForce) {
  Harness h;
  h.game.Hard = 1;
  h.game.Command2_Click();
  h.ClickAndTick(5);  // Hard answers the centre with 8, Easy with 4
  EXPECT_TRUE(h.game.board.HasComputerMark(8));
  EXPECT_FALSE(h.game.board.HasComputerMark(4));
}

}  // namespace
}  // namespace trixola::testing
