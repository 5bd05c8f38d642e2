#include "tests/reliability/window_runner.h"

namespace trixola::reliability {

namespace {

// One program run under the checks: a new window with a recording sound
// player and the contact link recorded.
class CheckedWindowRun {
 public:
  explicit CheckedWindowRun(const WindowHooks& hooks)
      : hooks_(hooks), window_(sounds_), checker_(window_, sounds_) {
    startUpViolation_ = checker_.CheckStartUp(window_);
  }

  const std::optional<Violation>& startUpViolation() const { return startUpViolation_; }
  const WindowDriver& window() const { return window_; }
  const WindowTallies& tallies() const { return checker_.tallies(); }

  // False when the window cannot take the input now.
  bool Play(const WindowEvent& event, std::optional<Violation>& violation) {
    if (!CanDeliver(event, window_)) return false;
    checker_.BeforeEvent(window_);
    if (hooks_.beforeInput) hooks_.beforeInput(event, window_);
    const bool taken = Deliver(event, window_);
    if (hooks_.afterInput) hooks_.afterInput(event, window_);
    violation = checker_.AfterEvent(event, taken, window_);
    return true;
  }

 private:
  const WindowHooks& hooks_;
  SoundRecorder sounds_;
  WindowDriver window_;
  WindowChecker checker_;
  std::optional<Violation> startUpViolation_;
};

}  // namespace

WindowRunOutcome ReplayInWindow(const std::vector<WindowEvent>& events, const WindowHooks& hooks) {
  CheckedWindowRun run(hooks);
  return PlayChecked(run, events.size(), [&events](std::size_t i) { return events[i]; });
}

WindowRunOutcome RunRandomInWindow(std::uint64_t seed, std::size_t count,
                                   std::vector<WindowEvent>& played, const WindowHooks& hooks) {
  played.clear();
  CheckedWindowRun run(hooks);
  WindowEventSource source(seed);
  return PlayChecked(run, count, [&](std::size_t) {
    played.push_back(source.Next(run.window()));
    return played.back();
  });
}

}  // namespace trixola::reliability
