// The input a person can give the game window, as real mouse and keyboard
// events, and a seeded source of random sequences of it.
#pragma once

#include <QPoint>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/reliability/events.h"
#include "tests/reliability/window_driver.h"

namespace trixola::reliability {

enum class WindowEventKind : std::uint8_t {
  ClickCell,       // a point inside cell `cell`, free or locked
  NewGameClick,    // mouse on "&New Game"
  NewGameEnter,    // Enter while "&New Game" has the focus
  NewGameSpace,    // Space while "&New Game" has the focus
  NewGameAltN,     // its access key, wherever the focus is
  ClickEasy,       // mouse on the "Easy" option
  ClickHard,       // mouse on the "Hard" option
  ClickSound,      // the sound switch picture
  ClickCredit,     // the credit picture: the contact link
  ClockTick,       // an expiry of Timer1, only while it runs
  MoveBackground,  // the pointer over bare background, a grid line, a frame or a colour box
  MoveCredit,      // the pointer over the credit picture
  MoveCell,        // the pointer inside cell `cell`: background once the cell is locked
  MoveLabel,       // the pointer over a label, which takes no mouse input
};

struct WindowEvent {
  WindowEventKind kind;
  std::int8_t cell = 0;  // ClickCell, MoveCell: 1..9
  std::int8_t spot = 0;  // MoveBackground, MoveLabel: which of their fixed points
  // Offset from the middle of the target, so that clicks and moves land all
  // over it (kept clear of the pixels neighbouring cells share).
  std::int8_t dx = 0;
  std::int8_t dy = 0;
  friend bool operator==(const WindowEvent&, const WindowEvent&) = default;
};

std::string Describe(const WindowEvent& event);

// Where the event's mouse click or move lands; (-1, -1) for keys and ticks.
QPoint PointOf(const WindowEvent& event);

// Whether the window can take the event now: the keys need the focus on
// "&New Game", a clock tick needs the clock running. Everything else can
// always be done.
bool CanDeliver(const WindowEvent& event, const WindowDriver& window);

// Gives the event to the window as real input. False when the window did
// not react as input of that kind always makes it (Alt+N without a click).
bool Deliver(const WindowEvent& event, WindowDriver& window);

// Draws events at random. Reads the window to keep New Game frequent once a
// match is over and to use Enter and Space only where they press New Game.
class WindowEventSource {
 public:
  explicit WindowEventSource(std::uint64_t seed) : rng_(seed) {}
  WindowEvent Next(const WindowDriver& window);

 private:
  WindowEvent Draw(const WindowDriver& window);

  Rng rng_;
};

}  // namespace trixola::reliability
