// A loaded game on a recording fake window, and a compact way to write boards.
#pragma once

#include <string>
#include <string_view>

#include "engine/game.h"
#include "fake_form.h"

namespace trixola::testing {

// Which detector ticks first after a click.
enum class TickOrder { LockDownFirst, AnnouncerFirst };

struct Harness {
  FakeForm form;
  Game game{form};

  Harness() { game.Form_Load(); }

  // One tick of each fast timer, as the window delivers them after an event.
  // Timer4 ticks only while it is on; Timer3 is always on.
  void Detectors(TickOrder order = TickOrder::LockDownFirst) {
    if (order == TickOrder::AnnouncerFirst) game.Timer3_Timer();
    if (form.timer4On) game.Timer4_Timer();
    if (order == TickOrder::LockDownFirst) game.Timer3_Timer();
  }

  void ClickAndTick(int n, TickOrder order = TickOrder::LockDownFirst) {
    game.Image_Click(n);
    Detectors(order);
  }

  bool MatchOver() const { return !form.timer4On; }
};

// Nine characters, cells 1..9:
//   '.' empty and free      'X' player's mark, locked
//   'O' computer's, locked  'o' computer's, not yet locked
//   '#' locked, no mark
inline void SetBoard(Game& game, std::string_view cells) {
  for (int n = 1; n <= 9; ++n) {
    switch (cells[static_cast<std::size_t>(n - 1)]) {
      case 'X':
        game.board.ShowPlayerMark(n);
        game.board.LockCell(n);
        break;
      case 'O':
        game.board.ShowComputerMark(n);
        game.board.LockCell(n);
        break;
      case 'o':
        game.board.ShowComputerMark(n);
        break;
      case '#':
        game.board.LockCell(n);
        break;
      default:
        break;
    }
  }
}

// The board written back in the same nine characters ('B' for both marks).
inline std::string BoardText(const Board& board) {
  std::string text;
  for (int n = 1; n <= 9; ++n) {
    const Board::Cell& c = board.cell(n);
    char ch = '.';
    if (c.playerVisible && c.computerVisible) {
      ch = 'B';
    } else if (c.playerVisible) {
      ch = c.imageEnabled ? 'x' : 'X';
    } else if (c.computerVisible) {
      ch = c.imageEnabled ? 'o' : 'O';
    } else if (!c.imageEnabled) {
      ch = '#';
    }
    text += ch;
  }
  return text;
}

}  // namespace trixola::testing
