// The computer's replies keyed by the cell the player has just clicked: nine
// ordered lists, one per clicked cell, held here as one table of 64 rows in
// list order. A row holds when the reply to that click has not been given yet
// in this match, the clicked cell shows the player's mark, every Free cell is
// free, the Locked cell (if any) is locked and, where asked, the centre shows
// the player's mark. The first row of the clicked cell's list that holds is
// the reply: the computer marks Takes and locks it at once.
#pragma once

#include <array>
#include <cstdint>

namespace trixola {

enum class Level : std::uint8_t { Both, HardOnly };

struct ResponseRow {
  std::int8_t clicked;
  Level level;
  std::array<std::int8_t, 3> free;  // 0 ends the list
  std::int8_t locked;               // 0: no cell must be locked
  bool lockedHasPlayerMark;         // the locked centre must show the player's mark
  std::int8_t takes;
};

namespace response_rows {
constexpr ResponseRow Row(std::int8_t clicked, Level level, std::array<std::int8_t, 3> free,
                          std::int8_t locked, std::int8_t takes) {
  return {clicked, level, free, locked, false, takes};
}
constexpr ResponseRow PlayerCentre(std::int8_t clicked, std::int8_t free, std::int8_t takes) {
  return {clicked, Level::Both, {free, 0, 0}, 5, true, takes};
}
constexpr Level B = Level::Both;
constexpr Level H = Level::HardOnly;
}  // namespace response_rows

inline constexpr std::array<ResponseRow, 64> ResponseTable = [] {
  using namespace response_rows;
  return std::array<ResponseRow, 64>{{
      // clicked 1
      Row(1, B, {5}, 9, 5),
      Row(1, B, {3}, 2, 3),
      Row(1, B, {9}, 5, 9),
      Row(1, B, {7}, 4, 7),
      Row(1, B, {5, 7}, 0, 5),
      Row(1, B, {2, 3}, 0, 3),
      // clicked 2
      Row(2, B, {3}, 1, 3),
      Row(2, B, {8}, 5, 8),
      Row(2, B, {5}, 8, 5),
      Row(2, H, {1, 3, 5}, 0, 5),
      Row(2, B, {1, 3}, 0, 1),
      Row(2, B, {1}, 3, 1),
      // clicked 3
      Row(3, B, {9}, 6, 9),
      Row(3, B, {1}, 2, 1),
      Row(3, B, {7}, 5, 7),
      Row(3, B, {5}, 7, 5),
      Row(3, H, {1, 2, 5}, 0, 5),
      Row(3, B, {1, 2}, 0, 2),
      Row(3, B, {2}, 1, 2),
      // clicked 4
      Row(4, B, {7}, 1, 7),
      Row(4, B, {1}, 7, 1),
      PlayerCentre(4, 6, 6),
      Row(4, B, {5}, 6, 5),
      Row(4, H, {1, 5, 7}, 0, 5),
      Row(4, B, {1, 7}, 0, 1),
      // clicked 5
      Row(5, B, {3}, 7, 3),
      Row(5, B, {2}, 8, 2),
      Row(5, B, {6}, 4, 6),
      Row(5, B, {7}, 3, 7),
      Row(5, B, {8}, 2, 8),
      Row(5, B, {9}, 1, 9),
      Row(5, H, {4, 6, 8}, 0, 8),
      Row(5, B, {4, 6}, 0, 4),
      Row(5, B, {1}, 9, 1),
      Row(5, B, {4}, 6, 4),
      // clicked 6
      Row(6, B, {9}, 3, 9),
      Row(6, B, {3}, 9, 3),
      Row(6, B, {4, 5}, 0, 5),
      Row(6, B, {4}, 5, 4),
      Row(6, B, {5}, 4, 5),
      // clicked 7
      Row(7, B, {5}, 3, 5),
      PlayerCentre(7, 3, 3),
      Row(7, B, {4}, 1, 4),
      Row(7, B, {8}, 9, 8),
      Row(7, B, {9}, 8, 9),
      Row(7, H, {1, 4, 5}, 0, 5),
      Row(7, B, {1, 4}, 0, 1),
      Row(7, B, {1}, 4, 1),
      // clicked 8: the Hard-only row takes the centre without testing it
      Row(8, B, {9}, 5, 9),
      PlayerCentre(8, 2, 2),
      Row(8, H, {7, 9}, 0, 5),
      Row(8, B, {7, 9}, 0, 9),
      Row(8, B, {9}, 7, 9),
      Row(8, B, {7}, 9, 7),
      Row(8, B, {5}, 2, 5),
      // clicked 9
      Row(9, B, {5}, 1, 5),
      Row(9, B, {1}, 5, 1),
      Row(9, H, {3, 5, 6}, 0, 5),
      Row(9, B, {3, 6}, 0, 6),
      Row(9, B, {7}, 8, 7),
      Row(9, B, {6}, 3, 6),
      Row(9, B, {3}, 8, 3),
      Row(9, B, {7, 8}, 0, 8),
      Row(9, B, {8}, 7, 8),
  }};
}();

}  // namespace trixola
