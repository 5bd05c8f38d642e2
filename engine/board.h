// The board of the current match. There is no separate array of "who owns
// which cell": each cell is the state of three controls of the game window,
// and this class holds exactly those properties and nothing derived from them.
//
//   Image n  (click target)   Enabled  -> the cell is free
//   r n      (player's mark)  Visible
//   b n      (computer's mark) Visible
//
// Cells are numbered 1..9 row by row from the top left. Every rule of the
// game reads and writes the board only through the seven cell operations and
// the three whole-board routines below.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace trixola {

inline constexpr int kFirstCell = 1;
inline constexpr int kLastCell = 9;

constexpr bool IsCellNumber(int n) {
  return n >= kFirstCell && n <= kLastCell;
}

class Board {
 public:
  // The design properties of one cell's three controls.
  struct Cell {
    bool imageEnabled = true;      // Image n: Enabled
    bool imageBorder = false;      // Image n: BorderStyle (fixed single when true)
    bool playerVisible = false;    // r n: Visible
    bool computerVisible = false;  // b n: Visible
    friend bool operator==(const Cell&, const Cell&) = default;
  };

  bool IsCellFree(int n) const { return at(n).imageEnabled; }
  bool HasPlayerMark(int n) const { return at(n).playerVisible; }
  bool HasComputerMark(int n) const { return at(n).computerVisible; }
  void ShowPlayerMark(int n) { at(n).playerVisible = true; }
  // Shows b n and leaves Image n as it was: the cell stays free until locked.
  void ShowComputerMark(int n) { at(n).computerVisible = true; }
  void LockCell(int n) { at(n).imageEnabled = false; }
  void UnlockCell(int n) { at(n).imageEnabled = true; }

  // LockCell for cells 1..9, in that order.
  void DisableCells();
  // UnlockCell for cells 1..9, in that order.
  void EnableCells();
  // Hides r1..r9, then b1..b9.
  void HideMarks();

  void SetBorder(int n) { at(n).imageBorder = true; }

  // Read-only view of one cell's controls, for painting and for tests.
  const Cell& cell(int n) const { return at(n); }

  friend bool operator==(const Board&, const Board&) = default;

 private:
  Cell& at(int n) {
    assert(IsCellNumber(n));
    return cells_[static_cast<std::size_t>(n - 1)];
  }
  const Cell& at(int n) const {
    assert(IsCellNumber(n));
    return cells_[static_cast<std::size_t>(n - 1)];
  }

  std::array<Cell, 9> cells_{};
};

// The eight lines of three cells.
enum LineId : std::uint8_t { Row1, Row2, Row3, Column1, Column2, Column3, Diagonal, AntiDiagonal };
using Line = std::array<std::int8_t, 3>;
inline constexpr std::array<Line, 8> LineTable{{
    {1, 2, 3},  // Row1
    {4, 5, 6},  // Row2
    {7, 8, 9},  // Row3
    {1, 4, 7},  // Column1
    {2, 5, 8},  // Column2
    {3, 6, 9},  // Column3
    {1, 5, 9},  // Diagonal
    {3, 5, 7},  // AntiDiagonal
}};

}  // namespace trixola
