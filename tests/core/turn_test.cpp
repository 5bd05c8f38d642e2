// The player's turn and the result check.
#include <gtest/gtest.h>

#include "harness.h"

namespace trixola::testing {
namespace {

TEST(Turn, BeforeTheFirstClick) {
  Harness h;
  EXPECT_EQ(h.game.ImageNumber, 0);
  for (bool answered : h.game.rdone) {
    EXPECT_FALSE(answered);
  }
  EXPECT_EQ(BoardText(h.game.board), ".........");
}

// Easy: 5 is answered from the table (4, locked at once), 6 by the first free
// cell (1, unlocked until the next lock-down), 9 by completing column 1-4-7.
TEST(Turn, ShortEasyMatchShowsThreeRanks) {
  Harness h;
  h.game.Image_Click(5);
  EXPECT_EQ(BoardText(h.game.board), "...OX....");
  h.Detectors();
  h.game.Image_Click(6);
  EXPECT_EQ(BoardText(h.game.board), "o..OXX...");
  EXPECT_FALSE(h.game.rdone[6]);
  EXPECT_EQ(h.game.ImageNumber, 6);
  h.Detectors();
  EXPECT_EQ(BoardText(h.game.board), "O..OXX...");
  h.game.Image_Click(9);
  EXPECT_EQ(BoardText(h.game.board), "O..OXXo.X");
  EXPECT_TRUE(h.game.Done);
  EXPECT_EQ(h.game.WON, kComputerWon);
}

TEST(Turn, ClickSequenceOfOneTurn) {
  Harness h;
  h.game.Image_Click(5);
  EXPECT_EQ(h.form.sounds, (std::vector<std::string>{"click"}));
  EXPECT_EQ(h.game.WON, kNoResult);
  EXPECT_FALSE(h.game.board.IsCellFree(5));
}

TEST(Turn, LockedCellIgnoresClicks) {
  Harness h;
  h.game.Image_Click(5);
  const std::string before = BoardText(h.game.board);
  for (int n : {5, 4, 0, 10, -3}) h.game.Image_Click(n);
  EXPECT_EQ(BoardText(h.game.board), before);
  EXPECT_EQ(h.form.sounds.size(), 1u);
  EXPECT_EQ(h.game.ImageNumber, 5);
}

// A computer mark from a line move or the first free cell is not locked
// until the lock-down tick, so a click in between is taken as the player's.
TEST(Turn, UnlockedComputerMarkCanStillBeClicked) {
  Harness h;
  SetBoard(h.game, "o..OXX...");
  h.game.Image_Click(1);
  EXPECT_TRUE(h.game.board.HasPlayerMark(1));
  EXPECT_TRUE(h.game.board.HasComputerMark(1));
  EXPECT_FALSE(h.game.board.IsCellFree(1));
}

// The player holds 1 and 2 with 3 free: Hard blocks, Easy does not.
TEST(Turn, OnlyHardBlocks) {
  Harness hard;
  hard.game.Hard = 1;
  SetBoard(hard.game, "XX..O....");
  hard.game.Image_Click(9);
  EXPECT_EQ(BoardText(hard.game.board), "XXo.O...X");
  EXPECT_TRUE(hard.game.Done);
  EXPECT_FALSE(hard.game.rdone[9]);

  Harness easy;
  SetBoard(easy.game, "XX..O....");
  easy.game.Image_Click(9);
  // Table for 9: row 1 (5 free, 1 locked) fails, row 2 (1 free) fails,
  // Hard row skipped, row 4 (3 and 6 free) takes 6: the line 1-2-3 stays open.
  EXPECT_EQ(BoardText(easy.game.board), "XX..OO..X");
  EXPECT_FALSE(easy.game.Done);
}

TEST(Turn, LineMoveStopsLowerRanks) {
  // The computer can win at 3 and the player threatens 7: it wins.
  Harness h;
  h.game.Hard = 1;
  SetBoard(h.game, "OO.X.....");
  h.game.Image_Click(5);  // player now holds 4, 5 -> threatens 6
  EXPECT_EQ(BoardText(h.game.board), "OOoXX....");
  EXPECT_FALSE(h.game.rdone[5]);
  EXPECT_EQ(h.game.WON, kComputerWon);
}

TEST(Turn, NoFreeCellLeftNoComputerMark) {
  Harness h;
  SetBoard(h.game, "XOXXOOOX.");
  h.game.Image_Click(9);
  EXPECT_EQ(BoardText(h.game.board), "XOXXOOOXX");
  EXPECT_EQ(h.game.WON, kNoResult);
}

struct WinnerCase {
  const char* name;
  const char* board;
  std::int16_t before;
  std::int16_t after;
};

class CheckWinner : public ::testing::TestWithParam<WinnerCase> {};

TEST_P(CheckWinner, PrefersThePlayerAndOtherwiseKeepsWon) {
  const WinnerCase& c = GetParam();
  Harness h;
  SetBoard(h.game, c.board);
  h.game.WON = c.before;
  h.game.CheckWinner();
  EXPECT_EQ(h.game.WON, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckWinner,
    ::testing::Values(WinnerCase{"Empty", ".........", kNoResult, kNoResult},
                      WinnerCase{"PlayerRow3", "O.O.O.XXX", kNoResult, kPlayerWon},
                      WinnerCase{"PlayerDiagonal", "XO.OX...X", kNoResult, kPlayerWon},
                      WinnerCase{"ComputerColumn2", "XOX.O.XO.", kNoResult, kComputerWon},
                      WinnerCase{"ComputerAntiDiagonal", "X.OXO.O.X", kNoResult, kComputerWon},
                      WinnerCase{"UnlockedMarksCount", "ooo......", kNoResult, kComputerWon},
                      WinnerCase{"BothHaveALine", "XXXOOO...", kNoResult, kPlayerWon},
                      WinnerCase{"NoLineKeepsPlayerWon", "X........", kPlayerWon, kPlayerWon},
                      WinnerCase{"NoLineKeepsComputerWon", "X........", kComputerWon, kComputerWon},
                      WinnerCase{"LockedEmptyCellsAreNoLine", "###......", kNoResult, kNoResult}),
    [](const auto& info) { return std::string(info.param.name); });

// The player's winning move is still answered, and WON stays 1 even when the
// answer completes a computer line too.
TEST(Turn, PlayerWinStillAnsweredAndWins) {
  Harness h;
  SetBoard(h.game, "XX.OO....");
  h.game.Image_Click(3);
  EXPECT_EQ(BoardText(h.game.board), "XXXOOo...");
  EXPECT_EQ(h.game.WON, kPlayerWon);
}

TEST(Turn, TakeFirstFreeCellSkipsLockedAndStopsAtOne) {
  Harness h;
  SetBoard(h.game, "#X.......");
  h.game.TakeFirstFreeCell();
  EXPECT_EQ(BoardText(h.game.board), "#Xo......");
  Harness full;
  SetBoard(full.game, "XOXOXOOX#");
  full.game.TakeFirstFreeCell();
  EXPECT_EQ(BoardText(full.game.board), "XOXOXOOX#");
}

}  // namespace
}  // namespace trixola::testing
