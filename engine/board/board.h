// The board of one match: nine cells, numbered 1 to 9 row by row from the top
// left, each empty or holding one side's mark.
//
//   1 2 3
//   4 5 6
//   7 8 9
#pragma once

#include <array>
#include <cstdint>

namespace trixola {

enum class Mark : std::uint8_t { None, Player, Computer };

inline constexpr int kFirstCell = 1;
inline constexpr int kLastCell = 9;

constexpr bool IsCell(int n) {
  return n >= kFirstCell && n <= kLastCell;
}

class Board {
 public:
  // What cell n (1..9) holds.
  Mark At(int cell) const { return cells_[Index(cell)]; }
  bool IsFree(int cell) const { return At(cell) == Mark::None; }
  bool IsFull() const;
  // Whether `mark` fills a whole row, column or diagonal.
  bool HasLine(Mark mark) const;

  // Puts a mark on a free cell; a mark is never moved or taken back.
  void Place(int cell, Mark mark);

  friend bool operator==(const Board&, const Board&) = default;

 private:
  static std::size_t Index(int cell);

  std::array<Mark, kLastCell> cells_{};
};

}  // namespace trixola
