// The rules that must hold after every input the game window takes, read
// from the window itself: its game, its captions, its timers and its focus.
//
// Beside the window runs a shadow: the bare game with a recording form,
// given the handlers that the window's input stands for (the cell, button,
// option, picture or tick it reaches, then the two detectors once, as the
// window runs them after every handler). The shadow is checked with every
// rule of invariants.h, and the window must match it after every input.
#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/board.h"
#include "tests/reliability/event_runner.h"
#include "tests/reliability/invariants.h"
#include "tests/reliability/window_driver.h"
#include "tests/reliability/window_events.h"

namespace trixola::reliability {

// The names under which a broken rule of the window is reported. Rules that
// mean the same as one of invariants.h use its name.
namespace window_rule {
inline constexpr std::string_view kInputTaken = "the window takes the input";
inline constexpr std::string_view kResultAtOnce =
    "a result is announced by the input that makes it";
inline constexpr std::string_view kNeverBothMarks = "no cell shows both marks";
inline constexpr std::string_view kScoreCaptions = "a result writes its count, nothing else does";
inline constexpr std::string_view kMatchClosed =
    "after a result: all cells locked, Timer4 and Timer1 off, focus on New Game";
inline constexpr std::string_view kControlsShowState =
    "the options show the level and lblSound the switch";
inline constexpr std::string_view kWindowCaption = "the window caption follows the pointer";
inline constexpr std::string_view kContactLink = "a credit click hands over one mailto link";
inline constexpr std::string_view kLikeTheGame = "the window does what its input makes the game do";
}  // namespace window_rule

// What the window shows and holds, read through its public views.
struct WindowState : MatchState {
  bool option1Checked = false;
  bool option2Checked = false;
  bool newGameFocus = false;
  std::array<QString, 6> captions;  // by FormPort Label
  QColor bannerColor;
  QString title;

  static WindowState Read(const WindowDriver& window);
  const QString& Caption(Label label) const { return captions[static_cast<std::size_t>(label)]; }
  friend bool operator==(const WindowState&, const WindowState&) = default;
};

struct WindowTallies {
  std::uint64_t events = 0;
  std::uint64_t playerWins = 0;
  std::uint64_t computerWins = 0;
  std::uint64_t draws = 0;
  std::uint64_t freeClicks = 0;
  std::uint64_t lockedClicks = 0;
  std::uint64_t freeClicksWithSoundOff = 0;
  std::uint64_t hardMoves = 0;  // free clicks at the Hard level
  std::uint64_t clockTicks = 0;
  std::uint64_t titleChanges = 0;
  std::uint64_t links = 0;
  // New Game by mouse, Enter, Space and Alt+N.
  std::array<std::uint64_t, 4> newGames{};

  WindowTallies& operator+=(const WindowTallies& other);
};

class WindowChecker {
 public:
  // The window right after start-up, and the recorder its sounds go to.
  WindowChecker(const WindowDriver& window, SoundRecorder& sounds);

  std::optional<Violation> CheckStartUp(const WindowDriver& window);
  void BeforeEvent(WindowDriver& window);
  // `taken`: what Deliver reported.
  std::optional<Violation> AfterEvent(const WindowEvent& event, bool taken, WindowDriver& window);

  const WindowTallies& tallies() const { return tallies_; }

 private:
  std::optional<Violation> CheckWindow(const WindowEvent& event, const WindowState& after,
                                       const WindowDriver& window);
  // Gives the shadow the handlers the input stands for, checking each.
  std::optional<Violation> DriveShadow(const WindowEvent& event);
  // Whether the input is a move to where the pointer already is.
  bool StandingMove(const WindowEvent& event) const;
  std::optional<Violation> CompareWithShadow(const WindowState& after);

  SoundRecorder& sounds_;
  WindowState before_;
  QPoint pointerBefore_;
  qsizetype linksBefore_ = 0;
  int windowLinks_ = 0;  // links the window handed over during the current input

  CheckedSession shadow_;
  // What the shadow asked of its form during the current input.
  std::vector<std::string> shadowSounds_;
  int shadowLinks_ = 0;
  int shadowFocus_ = 0;

  WindowTallies tallies_;
};

}  // namespace trixola::reliability
