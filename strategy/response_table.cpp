// The table of replies: for each cell the player may have just marked, an
// ordered list of rows. A row names cells that must be free, at most one cell
// that must hold a mark (either side's; for three rows, the centre with the
// player's mark), and the cell the computer then takes. The first row of the
// list that holds is the reply. Hard-only rows are skipped at Easy.
#include <array>

#include "tactics.h"

namespace trixola {

namespace {

constexpr int kNoCell = 0;
constexpr int kCentre = 5;

enum class Rows : std::uint8_t { BothLevels, HardOnly, PlayerInCentre };

struct Row {
  int justPlayed;
  Rows kind;
  std::array<int, 3> free;  // kNoCell pads
  int taken;                // kNoCell: none
  int takes;
};

constexpr Row Answer(int justPlayed, std::array<int, 3> free, int taken, int takes) {
  return {justPlayed, Rows::BothLevels, free, taken, takes};
}
constexpr Row HardAnswer(int justPlayed, std::array<int, 3> free, int takes) {
  return {justPlayed, Rows::HardOnly, free, kNoCell, takes};
}
// Blocks the player's line through the centre.
constexpr Row Opposite(int justPlayed, int free) {
  return {justPlayed, Rows::PlayerInCentre, {free}, kCentre, free};
}

constexpr std::array<Row, 64> kRows{{
    Answer(1, {5}, 9, 5),
    Answer(1, {3}, 2, 3),
    Answer(1, {9}, 5, 9),
    Answer(1, {7}, 4, 7),
    Answer(1, {5, 7}, kNoCell, 5),
    Answer(1, {2, 3}, kNoCell, 3),

    Answer(2, {3}, 1, 3),
    Answer(2, {8}, 5, 8),
    Answer(2, {5}, 8, 5),
    HardAnswer(2, {1, 3, 5}, 5),
    Answer(2, {1, 3}, kNoCell, 1),
    Answer(2, {1}, 3, 1),

    Answer(3, {9}, 6, 9),
    Answer(3, {1}, 2, 1),
    Answer(3, {7}, 5, 7),
    Answer(3, {5}, 7, 5),
    HardAnswer(3, {1, 2, 5}, 5),
    Answer(3, {1, 2}, kNoCell, 2),
    Answer(3, {2}, 1, 2),

    Answer(4, {7}, 1, 7),
    Answer(4, {1}, 7, 1),
    Opposite(4, 6),
    Answer(4, {5}, 6, 5),
    HardAnswer(4, {1, 5, 7}, 5),
    Answer(4, {1, 7}, kNoCell, 1),

    Answer(5, {3}, 7, 3),
    Answer(5, {2}, 8, 2),
    Answer(5, {6}, 4, 6),
    Answer(5, {7}, 3, 7),
    Answer(5, {8}, 2, 8),
    Answer(5, {9}, 1, 9),
    HardAnswer(5, {4, 6, 8}, 8),
    Answer(5, {4, 6}, kNoCell, 4),
    Answer(5, {1}, 9, 1),
    Answer(5, {4}, 6, 4),

    Answer(6, {9}, 3, 9),
    Answer(6, {3}, 9, 3),
    Answer(6, {4, 5}, kNoCell, 5),
    Answer(6, {4}, 5, 4),
    Answer(6, {5}, 4, 5),

    Answer(7, {5}, 3, 5),
    Opposite(7, 3),
    Answer(7, {4}, 1, 4),
    Answer(7, {8}, 9, 8),
    Answer(7, {9}, 8, 9),
    HardAnswer(7, {1, 4, 5}, 5),
    Answer(7, {1, 4}, kNoCell, 1),
    Answer(7, {1}, 4, 1),

    Answer(8, {9}, 5, 9),
    Opposite(8, 2),
    // Takes the centre without asking it to be free: the two rows above
    // answer whenever the centre holds a mark and 9 is free.
    HardAnswer(8, {7, 9}, 5),
    Answer(8, {7, 9}, kNoCell, 9),
    Answer(8, {9}, 7, 9),
    Answer(8, {7}, 9, 7),
    Answer(8, {5}, 2, 5),

    Answer(9, {5}, 1, 5),
    Answer(9, {1}, 5, 1),
    HardAnswer(9, {3, 5, 6}, 5),
    Answer(9, {3, 6}, kNoCell, 6),
    Answer(9, {7}, 8, 7),
    Answer(9, {6}, 3, 6),
    Answer(9, {3}, 8, 3),
    Answer(9, {7, 8}, kNoCell, 8),
    Answer(9, {8}, 7, 8),
}};

bool Holds(const Row& row, const Board& board) {
  for (int cell : row.free) {
    if (cell != kNoCell && !board.IsFree(cell)) return false;
  }
  if (row.taken != kNoCell && board.IsFree(row.taken)) return false;
  return row.kind != Rows::PlayerInCentre || board.At(kCentre) == Mark::Player;
}

}  // namespace

std::optional<int> TableReply(const Board& board, Level level, int justPlayed) {
  for (const Row& row : kRows) {
    if (row.justPlayed != justPlayed) continue;
    if (row.kind == Rows::HardOnly && level != Level::Hard) continue;
    if (Holds(row, board)) return row.takes;
  }
  return std::nullopt;
}

}  // namespace trixola
