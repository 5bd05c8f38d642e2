// One match: the player's moves and the computer's replies on one board,
// until one side has three in a row or the board is full.
#pragma once

#include <cstdint>
#include <optional>

#include "board.h"
#include "reply.h"

namespace trixola {

enum class Outcome : std::uint8_t { PlayerWon, ComputerWon, Draw };

class Match {
 public:
  const Board& board() const { return board_; }
  bool IsOver() const { return outcome_.has_value(); }
  // How the match ended; nothing while it runs.
  std::optional<Outcome> outcome() const { return outcome_; }
  // The player may mark a free cell while the match runs.
  bool CanPlay(int cell) const { return !IsOver() && IsCell(cell) && board_.IsFree(cell); }

  // The player marks `cell`, the computer replies at `level`, and the match
  // ends if either has a line (the player's line counts first, even when the
  // reply completes one of the computer's) or the board is full. Does
  // nothing unless CanPlay(cell).
  void Play(int cell, Level level);

 private:
  Board board_;
  std::optional<Outcome> outcome_;
};

}  // namespace trixola
