// Completing the computer's own line and blocking the player's: one walk over
// LineMoveChecks. Both place the computer's mark and leave its cell unlocked;
// the next lock-down tick locks it.
#include "strategy/line_moves.h"

#include "engine/game.h"

namespace trixola {

void Game::MakeLineMove(bool (Board::*holds)(int) const) {
  for (const LineMoveCheck& check : LineMoveChecks) {
    if ((board.*holds)(check.pairFirst) && (board.*holds)(check.pairSecond) &&
        board.IsCellFree(check.target)) {
      board.ShowComputerMark(check.target);
      Done = true;
      return;
    }
  }
}

void Game::CompleteOwnLine() {
  MakeLineMove(&Board::HasComputerMark);
}

void Game::BlockPlayerLine() {
  MakeLineMove(&Board::HasPlayerMark);
}

}  // namespace trixola
