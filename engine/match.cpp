#include "match.h"

namespace trixola {

namespace {

std::optional<Outcome> OutcomeOf(const Board& board) {
  if (board.HasLine(Mark::Player)) return Outcome::PlayerWon;
  if (board.HasLine(Mark::Computer)) return Outcome::ComputerWon;
  if (board.IsFull()) return Outcome::Draw;
  return std::nullopt;
}

}  // namespace

void Match::Play(int cell, Level level) {
  if (!CanPlay(cell)) return;
  board_.Place(cell, Mark::Player);
  if (const std::optional<int> reply = Reply(board_, level, cell)) {
    board_.Place(*reply, Mark::Computer);
  }
  outcome_ = OutcomeOf(board_);
}

}  // namespace trixola
