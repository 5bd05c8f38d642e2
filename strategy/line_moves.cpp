// The line moves: complete the computer's own line, or block the player's.
#include <array>

#include "tactics.h"

namespace trixola {

namespace {

// Two cells of a line and its third, the target.
struct LineCheck {
  int first;
  int second;
  int target;
};

// Rows top to bottom, then columns left to right, then the diagonal 1-5-9 and
// the anti-diagonal 3-5-7. Within a row or diagonal a-b-c the checks run
// (a, b -> c), (b, c -> a), (a, c -> b); within a column (a, c -> b),
// (a, b -> c), (b, c -> a). The first check that holds is the move.
constexpr std::array<LineCheck, 24> kLineChecks{{
    {1, 2, 3}, {2, 3, 1}, {1, 3, 2},  // row 1-2-3
    {4, 5, 6}, {5, 6, 4}, {4, 6, 5},  // row 4-5-6
    {7, 8, 9}, {8, 9, 7}, {7, 9, 8},  // row 7-8-9
    {1, 7, 4}, {1, 4, 7}, {4, 7, 1},  // column 1-4-7
    {2, 8, 5}, {2, 5, 8}, {5, 8, 2},  // column 2-5-8
    {3, 9, 6}, {3, 6, 9}, {6, 9, 3},  // column 3-6-9
    {1, 5, 9}, {5, 9, 1}, {1, 9, 5},  // diagonal 1-5-9
    {3, 5, 7}, {5, 7, 3}, {3, 7, 5},  // anti-diagonal 3-5-7
}};

}  // namespace

std::optional<int> LineMove(const Board& board, Mark owner) {
  for (const LineCheck& check : kLineChecks) {
    if (board.At(check.first) == owner && board.At(check.second) == owner &&
        board.IsFree(check.target)) {
      return check.target;
    }
  }
  return std::nullopt;
}

}  // namespace trixola
