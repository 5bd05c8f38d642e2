// What a screen reader learns about the game window. The window's children
// are the controls in reading order: the banner, the nine cells, the score,
// the clock, the level options, the sound switch, the two buttons and the
// credit. The cells are painted by the board, so they get interfaces of their
// own here, each with its name ("Cell 5: yours"), its place, whether it can
// be played, and a press action that plays it as a click would. The level
// options and the picture buttons get interfaces whose actions click them.
// After the credit comes a status bar, not on the screen, whose notification
// tells what has just happened.
#pragma once

class QString;

namespace trixola {

class BoardView;
class GameWindow;

namespace accessibility {

// Makes Qt use this file's interfaces. Qt keeps the first interface it makes
// for an object, so the window calls this before it makes any control.
void Install();

// Tells screen readers that a cell's mark (and so its name) or whether it can
// be played has changed.
void CellChanged(BoardView& board, int cell, bool renamed, bool availability);

// Tells screen readers, once, what has just happened (a move and the reply, a
// result, a new match), without moving the focus. Orca speaks it whatever
// has the focus, as it speaks a message of its own: it cuts short what it
// was saying, so one thing that happened is told in one call.
void Tell(GameWindow& window, const QString& told);

}  // namespace accessibility
}  // namespace trixola
