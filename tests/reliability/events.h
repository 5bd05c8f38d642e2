// The events the game window can deliver to the game, and a seeded source of
// random sequences of them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace trixola::reliability {

class RecordingForm;

enum class EventKind : std::uint8_t {
  Click,            // Image n, free or locked
  NewGame,          // Command2
  ChooseEasy,       // the person selects Option1; Option1_Click runs
  ChooseHard,       // the person selects Option2; Option2_Click runs
  SoundSwitch,      // imgSound
  Timer4Tick,       // only while Timer4 is on
  Timer3Tick,       // always on
  Timer1Tick,       // only while Timer1 is on
  FormMouseMove,    // pointer over the background
  CreditMouseMove,  // pointer over Image10
  CreditClick,      // Image10, the contact link
};

struct Event {
  EventKind kind;
  std::int8_t cell = 0;  // Click only: 1..9
  friend bool operator==(const Event&, const Event&) = default;
};

std::string Describe(const Event& event);

// The events in order, separated by commas.
template <typename AnyEvent>
std::string Describe(const std::vector<AnyEvent>& events) {
  std::string text;
  for (const AnyEvent& event : events) {
    if (!text.empty()) text += ", ";
    text += Describe(event);
  }
  return text;
}

// SplitMix64: the same sequence from the same seed with any compiler and
// standard library, so a seed printed by a failure reproduces it anywhere.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // Uniform in [0, bound); bound > 0.
  int Below(int bound);

 private:
  std::uint64_t state_;
};

template <typename Action>
struct Weight {
  Action action;
  int weight;
};

// Picks one of `weights`' actions, each as often as `weightOf` (a weight for
// the moment) says, with one number from `rng`.
template <typename Action, std::size_t N, typename WeightOf>
Action Pick(Rng& rng, const std::array<Weight<Action>, N>& weights, WeightOf weightOf) {
  int total = 0;
  for (const Weight<Action>& w : weights) total += weightOf(w);
  int pick = rng.Below(total);
  for (const Weight<Action>& w : weights) {
    if (pick < weightOf(w)) return w.action;
    pick -= weightOf(w);
  }
  return weights.front().action;
}

// How the detectors' ticks fall between clicks.
enum class Pacing : std::uint8_t {
  // As the real window runs: after every click both detectors tick (in
  // random order) before any other event.
  DetectorsAfterEveryClick,
  // A slow machine: several clicks may come between detector ticks, and
  // ticks come in random order and numbers.
  Bursts,
};

const char* Describe(Pacing pacing);

// Draws events at random, only ones the window could deliver in the form's
// current state (no tick of a timer that is off). Reads the form to decide.
class EventSource {
 public:
  EventSource(std::uint64_t seed, Pacing pacing) : rng_(seed), pacing_(pacing) {}
  Event Next(const RecordingForm& form);

 private:
  void QueueDetectorTicks(int count);
  void QueueAction(const RecordingForm& form);

  Rng rng_;
  Pacing pacing_;
  std::deque<Event> queued_;
};

}  // namespace trixola::reliability
