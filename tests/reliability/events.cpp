#include "tests/reliability/events.h"

#include <array>

#include "tests/reliability/recording_form.h"

namespace trixola::reliability {

std::string Describe(const Event& event) {
  switch (event.kind) {
    case EventKind::Click:
      return "click " + std::to_string(event.cell);
    case EventKind::NewGame:
      return "New Game";
    case EventKind::ChooseEasy:
      return "Easy";
    case EventKind::ChooseHard:
      return "Hard";
    case EventKind::SoundSwitch:
      return "sound switch";
    case EventKind::Timer4Tick:
      return "Timer4";
    case EventKind::Timer3Tick:
      return "Timer3";
    case EventKind::Timer1Tick:
      return "Timer1";
    case EventKind::FormMouseMove:
      return "move over window";
    case EventKind::CreditMouseMove:
      return "move over credit";
    case EventKind::CreditClick:
      return "credit click";
  }
  return "?";
}

const char* Describe(Pacing pacing) {
  return pacing == Pacing::Bursts ? "bursts" : "detectors after every click";
}

std::uint64_t Rng::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int Rng::Below(int bound) {
  return static_cast<int>(Next() % static_cast<std::uint64_t>(bound));
}

namespace {

enum class Action : std::uint8_t {
  Clicks,
  DetectorTicks,
  ClockTick,
  NewGame,
  Easy,
  Hard,
  SoundSwitch,
  FormMouseMove,
  CreditMouseMove,
  CreditClick,
};

// New Game gets this weight instead while a match is over, so that runs
// spend their events on matches rather than on a locked board.
constexpr int kNewGameWeightWhenOver = 30;

constexpr std::array<Weight<Action>, 10> kWeights{{
    {Action::Clicks, 38},
    {Action::DetectorTicks, 30},
    {Action::ClockTick, 8},
    {Action::NewGame, 4},
    {Action::Easy, 3},
    {Action::Hard, 3},
    {Action::SoundSwitch, 4},
    {Action::FormMouseMove, 2},
    {Action::CreditMouseMove, 2},
    {Action::CreditClick, 1},
}};

}  // namespace

Event EventSource::Next(const RecordingForm& form) {
  for (;;) {
    if (queued_.empty()) QueueAction(form);
    const Event event = queued_.front();
    queued_.pop_front();
    if (event.kind == EventKind::Timer4Tick && !form.timer4On) continue;
    if (event.kind == EventKind::Timer1Tick && !form.timer1On) continue;
    return event;
  }
}

void EventSource::QueueDetectorTicks(int count) {
  for (int i = 0; i < count; ++i) {
    queued_.push_back({rng_.Below(2) == 0 ? EventKind::Timer4Tick : EventKind::Timer3Tick});
  }
}

void EventSource::QueueAction(const RecordingForm& form) {
  const bool matchOver = !form.timer4On;
  const Action action = Pick(rng_, kWeights, [matchOver](const Weight<Action>& w) {
    return w.action == Action::NewGame && matchOver ? kNewGameWeightWhenOver : w.weight;
  });

  const auto click = [this] {
    return Event{EventKind::Click, static_cast<std::int8_t>(rng_.Below(9) + 1)};
  };
  switch (action) {
    case Action::Clicks:
      if (pacing_ == Pacing::Bursts) {
        for (int i = rng_.Below(4); i >= 0; --i) queued_.push_back(click());
      } else {
        queued_.push_back(click());
        const bool lockDownFirst = rng_.Below(2) == 0;
        queued_.push_back({lockDownFirst ? EventKind::Timer4Tick : EventKind::Timer3Tick});
        queued_.push_back({lockDownFirst ? EventKind::Timer3Tick : EventKind::Timer4Tick});
      }
      break;
    case Action::DetectorTicks:
      QueueDetectorTicks(1 + rng_.Below(3));
      break;
    case Action::ClockTick:
      queued_.push_back({EventKind::Timer1Tick});
      break;
    case Action::NewGame:
      queued_.push_back({EventKind::NewGame});
      break;
    case Action::Easy:
      queued_.push_back({EventKind::ChooseEasy});
      break;
    case Action::Hard:
      queued_.push_back({EventKind::ChooseHard});
      break;
    case Action::SoundSwitch:
      queued_.push_back({EventKind::SoundSwitch});
      break;
    case Action::FormMouseMove:
      queued_.push_back({EventKind::FormMouseMove});
      break;
    case Action::CreditMouseMove:
      queued_.push_back({EventKind::CreditMouseMove});
      break;
    case Action::CreditClick:
      queued_.push_back({EventKind::CreditClick});
      break;
  }
}

}  // namespace trixola::reliability
