// Runs event sequences through the game from start-up, checking every rule of
// invariants.h after every event, and shortens failing sequences. The running,
// shortening and reporting templates serve the window's runs as well.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "engine/game.h"
#include "tests/reliability/events.h"
#include "tests/reliability/invariants.h"
#include "tests/reliability/recording_form.h"

namespace trixola::reliability {

// Test-only tampering, run right before or right after each event's handler,
// to show that the checks catch a faulty game.
struct FaultHooks {
  std::function<void(const Event&, Game&, RecordingForm&)> beforeHandler;
  std::function<void(const Event&, Game&, RecordingForm&)> afterHandler;
};

// The program from start-up: a window and its game, loaded.
class Session {
 public:
  Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // A tick of Timer4 or Timer1 reaches the game only while that timer is on.
  bool CanDeliver(const Event& event) const;
  // Delivers the event as the window does. A person choosing a level selects
  // that option (and so deselects the other) before its Click handler runs.
  void Deliver(const Event& event);

  RecordingForm form;
  Game game{form};
};

// A session under the checks of invariants.h, with the faults of `hooks`.
class CheckedSession {
 public:
  explicit CheckedSession(FaultHooks hooks = {});

  // The rule the start-up state breaks, if any.
  const std::optional<Violation>& startUpViolation() const { return startUpViolation_; }
  const Tallies& tallies() const { return checker_.tallies(); }
  // Delivers the event and checks the rules after it. False when the window
  // could not deliver the event now.
  bool Play(const Event& event, std::optional<Violation>& violation);

  Session session;

 private:
  FaultHooks hooks_;
  InvariantChecker checker_;
  std::optional<Violation> startUpViolation_;
};

// Failure::index of a rule broken by the start-up state itself.
inline constexpr std::size_t kAtStartUp = static_cast<std::size_t>(-1);

struct Failure {
  std::size_t index;  // position of the event after which the rule broke, or kAtStartUp
  Violation violation;
};

template <typename Counts>
struct Outcome {
  std::optional<Failure> failure;
  Counts tallies;
};
using RunOutcome = Outcome<Tallies>;

// Plays `count` events, the i-th from `next(i)`, through `run` (a program
// run under the checks, such as a CheckedSession), stopping at the first
// broken rule. Events the run cannot take at that point are skipped.
template <typename Run, typename Next>
auto PlayChecked(Run& run, std::size_t count, Next next) {
  using Result = Outcome<std::decay_t<decltype(run.tallies())>>;
  if (run.startUpViolation()) {
    return Result{Failure{kAtStartUp, *run.startUpViolation()}, run.tallies()};
  }
  for (std::size_t i = 0; i < count; ++i) {
    std::optional<Violation> violation;
    if (run.Play(next(i), violation) && violation) {
      return Result{Failure{i, *violation}, run.tallies()};
    }
  }
  return Result{std::nullopt, run.tallies()};
}

// Removes chunks, then single events, while the sequence still breaks the
// same rule when `replay` plays it; the result ends with the event that
// breaks it. Stops at `deadline` with the shortest sequence found so far.
template <typename AnyEvent, typename Replay>
std::vector<AnyEvent> ShrinkSequence(
    std::vector<AnyEvent> events, std::string_view rule, Replay replay,
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max()) {
  // Keeps `candidate`, cut after its failing event, if it breaks the same rule.
  const auto stillFails = [&](std::vector<AnyEvent>& candidate) {
    const std::optional<Failure> failure = replay(candidate).failure;
    if (!failure || failure->violation.invariant != rule) return false;
    candidate.resize(failure->index == kAtStartUp ? 0 : failure->index + 1);
    return true;
  };
  if (!stillFails(events)) return events;

  const auto timeLeft = [deadline] { return std::chrono::steady_clock::now() < deadline; };
  std::size_t chunk = std::max<std::size_t>(events.size() / 2, 1);
  while (!events.empty() && timeLeft()) {
    bool removedAny = false;
    for (std::size_t start = 0; start < events.size() && timeLeft();) {
      std::vector<AnyEvent> candidate(events.begin(),
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

// What a random run reports for a failing seed: `head` (the seed and how to
// run it again), the broken rule and where, the shortest sequence that still
// breaks it and, from its replay `again`, what its last event broke. `noun`
// names one event.
template <typename AnyEvent>
std::string FailureReport(const std::string& head, const std::string& noun, const Failure& failure,
                          const std::vector<AnyEvent>& shortest,
                          const std::optional<Failure>& again) {
  std::string text = head + "\n  broken rule: " + std::string(failure.violation.invariant) +
                     "\n  at " + noun + " " + std::to_string(failure.index + 1) + ": " +
                     failure.violation.detail + "\n  shortest sequence (" +
                     std::to_string(shortest.size()) + " " + noun + "s): " + Describe(shortest);
  if (again) text += "\n  which ends with: " + again->violation.detail;
  return text;
}

// Plays a recorded sequence from start-up. Ticks of a timer that is off at
// that point are skipped, as the window would never deliver them.
RunOutcome Replay(const std::vector<Event>& events, const FaultHooks& hooks = {});

// Draws `count` events from `seed` and plays them from start-up, stopping at
// the first broken rule. `played` receives the events delivered so far.
RunOutcome RunRandom(std::uint64_t seed, Pacing pacing, std::size_t count,
                     std::vector<Event>& played, const FaultHooks& hooks = {});

// ShrinkSequence on Replay with `hooks`.
inline std::vector<Event> Shrink(std::vector<Event> events, std::string_view invariant,
                                 const FaultHooks& hooks = {}) {
  return ShrinkSequence(std::move(events), invariant,
                        [&hooks](const std::vector<Event>& e) { return Replay(e, hooks); });
}

}  // namespace trixola::reliability
