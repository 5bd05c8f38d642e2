// Runs input sequences through a fresh game window from start-up, checking
// every rule of window_checker.h after every input, and shortens failing
// sequences.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/reliability/event_runner.h"
#include "tests/reliability/window_checker.h"
#include "tests/reliability/window_events.h"

namespace trixola::reliability {

// Test-only tampering with the window and its game, run right before and
// right after each input reaches the window, to show that the checks catch
// a faulty window.
struct WindowHooks {
  std::function<void(const WindowEvent&, WindowDriver&)> beforeInput;
  std::function<void(const WindowEvent&, WindowDriver&)> afterInput;
};

using WindowRunOutcome = Outcome<WindowTallies>;

// Plays a recorded sequence from start-up. Input the window cannot take at
// that point (a key without the focus on "&New Game", a tick of a stopped
// clock) is skipped.
WindowRunOutcome ReplayInWindow(const std::vector<WindowEvent>& events,
                                const WindowHooks& hooks = {});

// Draws `count` inputs from `seed` and plays them from start-up, stopping at
// the first broken rule. `played` receives the inputs given so far.
WindowRunOutcome RunRandomInWindow(std::uint64_t seed, std::size_t count,
                                   std::vector<WindowEvent>& played, const WindowHooks& hooks = {});

// ShrinkSequence on ReplayInWindow with `hooks`, for at most `budget`.
inline std::vector<WindowEvent> ShrinkInWindow(
    std::vector<WindowEvent> events, std::string_view rule, const WindowHooks& hooks = {},
    std::chrono::seconds budget = std::chrono::seconds(120)) {
  return ShrinkSequence(
      std::move(events), rule,
      [&hooks](const std::vector<WindowEvent>& e) { return ReplayInWindow(e, hooks); },
      std::chrono::steady_clock::now() + budget);
}

}  // namespace trixola::reliability
