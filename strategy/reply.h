// How the computer answers the player's move.
#pragma once

#include <cstdint>
#include <optional>

#include "board.h"

namespace trixola {

// How hard the computer plays. Only Hard blocks the player's lines, and a few
// replies to a move differ between the levels.
enum class Level : std::uint8_t { Easy, Hard };

// The cell the computer takes after the player has just marked `justPlayed`,
// or nothing when the board is full. The first of these that gives a cell
// decides:
//   1. complete a line of the computer's own;
//   2. at Hard only, block a line of the player's;
//   3. the reply the table holds for the cell just played;
//   4. the lowest-numbered free cell.
std::optional<int> Reply(const Board& board, Level level, int justPlayed);

}  // namespace trixola
