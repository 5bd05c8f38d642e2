// The computer's tactics, tried in turn by Reply(). Each gives the cell it
// would take, or nothing.
#pragma once

#include <optional>

#include "board.h"
#include "reply.h"

namespace trixola {

// A line where `owner` holds two cells and the third is free: that third
// cell. Lines are tried in a fixed order (line_moves.cpp).
std::optional<int> LineMove(const Board& board, Mark owner);

// The table's answer to the player's move on `justPlayed`
// (response_table.cpp).
std::optional<int> TableReply(const Board& board, Level level, int justPlayed);

}  // namespace trixola
