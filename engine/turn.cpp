// The player's turn, the result check and the computer's last-resort move.
#include <algorithm>

#include "engine/game.h"

namespace trixola {

namespace {

constexpr std::array<LineId, 8> kPlayerLineOrder{Column1,      Column2, Column3, Diagonal,
                                                 AntiDiagonal, Row1,    Row2,    Row3};
constexpr std::array<LineId, 8> kComputerLineOrder{Column1, Column2, Column3,  Row1,
                                                   Row2,    Row3,    Diagonal, AntiDiagonal};

bool AnyLineComplete(const Board& board, const std::array<LineId, 8>& order,
                     bool (Board::*hasMark)(int) const) {
  return std::any_of(order.begin(), order.end(), [&](LineId id) {
    const Line& line = LineTable[id];
    return std::all_of(line.begin(), line.end(), [&](int n) { return (board.*hasMark)(n); });
  });
}

}  // namespace

void Game::Image_Click(int n) {
  if (!IsCellNumber(n) || !board.IsCellFree(n)) return;
  ImageNumber = static_cast<std::int16_t>(n);
  PlaySound("click");
  Done = false;
  board.ShowPlayerMark(n);
  board.LockCell(n);
  CheckWinner();
  CompleteOwnLine();
  if (!Done) {
    if (Hard == 1) BlockPlayerLine();
    if (!Done) {
      RespondToMove();
      if (!rdone[static_cast<std::size_t>(n)]) TakeFirstFreeCell();
    }
  }
  CheckWinner();
}

// The player's lines first; the computer's only when the player has none.
// A check that finds nothing leaves WON as it was.
void Game::CheckWinner() {
  if (AnyLineComplete(board, kPlayerLineOrder, &Board::HasPlayerMark)) {
    WON = kPlayerWon;
  } else if (AnyLineComplete(board, kComputerLineOrder, &Board::HasComputerMark)) {
    WON = kComputerWon;
  }
}

// Marks the lowest-numbered free cell and leaves it unlocked.
void Game::TakeFirstFreeCell() {
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    if (board.IsCellFree(n)) {
      board.ShowComputerMark(n);
      return;
    }
  }
}

}  // namespace trixola
