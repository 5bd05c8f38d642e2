// Runs event sequences through the game from start-up, checking every rule of
// invariants.h after every event, and shortens failing sequences.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
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

// Failure::index of a rule broken by the start-up state itself.
inline constexpr std::size_t kAtStartUp = static_cast<std::size_t>(-1);

struct Failure {
  std::size_t index;  // position of the event after which the rule broke, or kAtStartUp
  Violation violation;
};

struct RunOutcome {
  std::optional<Failure> failure;
  Tallies tallies;
};

// Plays a recorded sequence from start-up. Ticks of a timer that is off at
// that point are skipped, as the window would never deliver them.
RunOutcome Replay(const std::vector<Event>& events, const FaultHooks& hooks = {});

// Draws `count` events from `seed` and plays them from start-up, stopping at
// the first broken rule. `played` receives the events delivered so far.
RunOutcome RunRandom(std::uint64_t seed, Pacing pacing, std::size_t count,
                     std::vector<Event>& played, const FaultHooks& hooks = {});

// Removes chunks, then single events, while the sequence still breaks the
// same rule; the result ends with the event that breaks it.
std::vector<Event> Shrink(std::vector<Event> events, std::string_view invariant,
                          const FaultHooks& hooks = {});

}  // namespace trixola::reliability
