#include "strategy/response_table.h"

#include "engine/game.h"

namespace trixola {

namespace {

bool RowHolds(const ResponseRow& row, const Board& board) {
  for (std::int8_t cell : row.free) {
    if (cell != 0 && !board.IsCellFree(cell)) return false;
  }
  if (row.locked != 0) {
    if (board.IsCellFree(row.locked)) return false;
    if (row.lockedHasPlayerMark && !board.HasPlayerMark(row.locked)) return false;
  }
  return true;
}

}  // namespace

void Game::RespondToMove() {
  const int n = ImageNumber;
  if (!IsCellNumber(n)) return;
  bool& answered = rdone[static_cast<std::size_t>(n)];
  for (const ResponseRow& row : ResponseTable) {
    if (row.clicked != n) continue;
    if (row.level == Level::HardOnly && Hard != 1) continue;
    if (answered || !board.HasPlayerMark(n) || !RowHolds(row, board)) continue;
    board.ShowComputerMark(row.takes);
    board.LockCell(row.takes);
    answered = true;
    return;
  }
}

}  // namespace trixola
