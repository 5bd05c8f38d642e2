#include "reply.h"

#include "tactics.h"

namespace trixola {

namespace {

std::optional<int> FirstFreeCell(const Board& board) {
  for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
    if (board.IsFree(cell)) return cell;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> Reply(const Board& board, Level level, int justPlayed) {
  if (auto win = LineMove(board, Mark::Computer)) return win;
  if (level == Level::Hard) {
    if (auto block = LineMove(board, Mark::Player)) return block;
  }
  if (auto answer = TableReply(board, level, justPlayed)) return answer;
  return FirstFreeCell(board);
}

}  // namespace trixola
