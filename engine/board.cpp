#include "engine/board.h"

namespace trixola {

void Board::DisableCells() {
  for (int n = kFirstCell; n <= kLastCell; ++n) LockCell(n);
}

void Board::EnableCells() {
  for (int n = kFirstCell; n <= kLastCell; ++n) UnlockCell(n);
}

void Board::HideMarks() {
  for (int n = kFirstCell; n <= kLastCell; ++n) at(n).playerVisible = false;
  for (int n = kFirstCell; n <= kLastCell; ++n) at(n).computerVisible = false;
}

}  // namespace trixola
