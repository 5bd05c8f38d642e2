// The board operations.
#include <gtest/gtest.h>

#include "harness.h"

namespace trixola::testing {
namespace {

TEST(Board, CellsAreIndependentAndOperationsTouchOneProperty) {
  for (int n = 1; n <= 9; ++n) {
    Board board;
    board.ShowComputerMark(n);
    EXPECT_TRUE(board.IsCellFree(n)) << "showing a computer mark does not lock";
    board.ShowPlayerMark(n);
    board.LockCell(n);
    for (int other = 1; other <= 9; ++other) {
      if (other == n) continue;
      EXPECT_EQ(board.cell(other), Board::Cell{}) << n << " touched " << other;
    }
    board.UnlockCell(n);
    EXPECT_TRUE(board.IsCellFree(n));
    EXPECT_TRUE(board.HasPlayerMark(n) && board.HasComputerMark(n));
  }
}

TEST(Board, WholeBoardRoutines) {
  Board board;
  for (int n = 1; n <= 9; n += 2) board.ShowPlayerMark(n);
  for (int n = 2; n <= 9; n += 2) board.ShowComputerMark(n);
  board.DisableCells();
  for (int n = 1; n <= 9; ++n) {
    EXPECT_FALSE(board.IsCellFree(n));
  }
  board.HideMarks();
  board.EnableCells();
  EXPECT_EQ(board, Board{});
}

}  // namespace
}  // namespace trixola::testing
