#include "board.h"

#include <algorithm>
#include <cassert>

namespace trixola {

namespace {

using Line = std::array<int, 3>;

constexpr std::array<Line, 8> kLines{{
    {1, 2, 3},
    {4, 5, 6},
    {7, 8, 9},  // rows
    {1, 4, 7},
    {2, 5, 8},
    {3, 6, 9},  // columns
    {1, 5, 9},
    {3, 5, 7},  // diagonals
}};

}  // namespace

std::size_t Board::Index(int cell) {
  assert(IsCell(cell));
  return static_cast<std::size_t>(cell - kFirstCell);
}

bool Board::IsFull() const {
  return std::none_of(cells_.begin(), cells_.end(), [](Mark m) { return m == Mark::None; });
}

bool Board::HasLine(Mark mark) const {
  return std::any_of(kLines.begin(), kLines.end(), [&](const Line& line) {
    return std::all_of(line.begin(), line.end(), [&](int cell) { return At(cell) == mark; });
  });
}

void Board::Place(int cell, Mark mark) {
  assert(IsFree(cell) && mark != Mark::None);
  cells_[Index(cell)] = mark;
}

}  // namespace trixola
