#include "tests/reliability/window_runner.h"

#include <algorithm>

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
  if (run.startUpViolation()) return {Failure{kAtStartUp, *run.startUpViolation()}, run.tallies()};
  for (std::size_t i = 0; i < events.size(); ++i) {
    std::optional<Violation> violation;
    if (run.Play(events[i], violation) && violation) {
      return {Failure{i, *violation}, run.tallies()};
    }
  }
  return {std::nullopt, run.tallies()};
}

WindowRunOutcome RunRandomInWindow(std::uint64_t seed, std::size_t count,
                                   std::vector<WindowEvent>& played, const WindowHooks& hooks) {
  played.clear();
  CheckedWindowRun run(hooks);
  if (run.startUpViolation()) return {Failure{kAtStartUp, *run.startUpViolation()}, run.tallies()};
  WindowEventSource source(seed);
  for (std::size_t i = 0; i < count; ++i) {
    const WindowEvent event = source.Next(run.window());
    played.push_back(event);
    std::optional<Violation> violation;
    run.Play(event, violation);
    if (violation) return {Failure{i, *violation}, run.tallies()};
  }
  return {std::nullopt, run.tallies()};
}

std::vector<WindowEvent> ShrinkInWindow(std::vector<WindowEvent> events, std::string_view rule,
                                        const WindowHooks& hooks, std::chrono::seconds budget) {
  const auto deadline = std::chrono::steady_clock::now() + budget;
  // Keeps `candidate`, cut after its failing input, if it breaks the same rule.
  const auto stillFails = [&](std::vector<WindowEvent>& candidate) {
    const WindowRunOutcome outcome = ReplayInWindow(candidate, hooks);
    if (!outcome.failure || outcome.failure->violation.invariant != rule) return false;
    if (outcome.failure->index == kAtStartUp) {
      candidate.clear();
    } else {
      candidate.resize(outcome.failure->index + 1);
    }
    return true;
  };
  if (!stillFails(events)) return events;

  std::size_t chunk = std::max<std::size_t>(events.size() / 2, 1);
  while (!events.empty() && std::chrono::steady_clock::now() < deadline) {
    bool removedAny = false;
    for (std::size_t start = 0; start < events.size();) {
      if (std::chrono::steady_clock::now() >= deadline) break;
      std::vector<WindowEvent> candidate(events.begin(),
                                         events.begin() + static_cast<std::ptrdiff_t>(start));
      const std::size_t end = std::min(events.size(), start + chunk);
      candidate.insert(candidate.end(), events.begin() + static_cast<std::ptrdiff_t>(end),
                       events.end());
      if (stillFails(candidate)) {
        events = std::move(candidate);
        removedAny = true;
      } else {
        start += chunk;
      }
    }
    if (chunk == 1 && !removedAny) break;
    if (!removedAny) chunk = std::max<std::size_t>(chunk / 2, 1);
    chunk = std::min(chunk, std::max<std::size_t>(events.size() / 2, 1));
  }
  return events;
}

}  // namespace trixola::reliability
