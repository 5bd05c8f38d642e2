#include "tests/reliability/event_runner.h"

#include <algorithm>
#include <cstddef>

namespace trixola::reliability {

Session::Session() {
  form.WatchSoundSwitch(game.Sound);
  game.Form_Load();
}

bool Session::CanDeliver(const Event& event) const {
  if (event.kind == EventKind::Timer4Tick) return form.timer4On;
  if (event.kind == EventKind::Timer1Tick) return form.timer1On;
  return true;
}

void Session::Deliver(const Event& event) {
  switch (event.kind) {
    case EventKind::Click:
      game.Image_Click(event.cell);
      break;
    case EventKind::NewGame:
      game.Command2_Click();
      break;
    case EventKind::ChooseEasy:
      form.option1Selected = true;
      form.option2Selected = false;
      game.Option1_Click();
      break;
    case EventKind::ChooseHard:
      form.option1Selected = false;
      form.option2Selected = true;
      game.Option2_Click();
      break;
    case EventKind::SoundSwitch:
      game.imgSound_Click();
      break;
    case EventKind::Timer4Tick:
      game.Timer4_Timer();
      break;
    case EventKind::Timer3Tick:
      game.Timer3_Timer();
      break;
    case EventKind::Timer1Tick:
      game.Timer1_Timer();
      break;
    case EventKind::FormMouseMove:
      game.Form_MouseMove();
      break;
    case EventKind::CreditMouseMove:
      game.Image10_MouseMove();
      break;
    case EventKind::CreditClick:
      game.Image10_Click();
      break;
  }
}

namespace {

// One program run under the checks.
class CheckedRun {
 public:
  explicit CheckedRun(const FaultHooks& hooks) : hooks_(hooks) {
    startUpViolation_ = checker_.CheckStartUp(session_.game, session_.form);
  }

  const std::optional<Violation>& startUpViolation() const { return startUpViolation_; }
  const RecordingForm& form() const { return session_.form; }
  const Tallies& tallies() const { return checker_.tallies(); }

  // False when the window could not deliver the event now.
  bool Play(const Event& event, std::optional<Violation>& violation) {
    if (!session_.CanDeliver(event)) return false;
    session_.form.calls.clear();
    checker_.BeforeEvent(event, session_.game, session_.form);
    if (hooks_.beforeHandler) hooks_.beforeHandler(event, session_.game, session_.form);
    session_.Deliver(event);
    if (hooks_.afterHandler) hooks_.afterHandler(event, session_.game, session_.form);
    violation = checker_.AfterEvent(event, session_.game, session_.form);
    return true;
  }

 private:
  const FaultHooks& hooks_;
  Session session_;
  InvariantChecker checker_;
  std::optional<Violation> startUpViolation_;
};

}  // namespace

RunOutcome Replay(const std::vector<Event>& events, const FaultHooks& hooks) {
  CheckedRun run(hooks);
  if (run.startUpViolation()) return {Failure{kAtStartUp, *run.startUpViolation()}, run.tallies()};
  for (std::size_t i = 0; i < events.size(); ++i) {
    std::optional<Violation> violation;
    if (run.Play(events[i], violation) && violation) {
      return {Failure{i, *violation}, run.tallies()};
    }
  }
  return {std::nullopt, run.tallies()};
}

RunOutcome RunRandom(std::uint64_t seed, Pacing pacing, std::size_t count,
                     std::vector<Event>& played, const FaultHooks& hooks) {
  played.clear();
  CheckedRun run(hooks);
  if (run.startUpViolation()) return {Failure{kAtStartUp, *run.startUpViolation()}, run.tallies()};
  EventSource source(seed, pacing);
  for (std::size_t i = 0; i < count; ++i) {
    const Event event = source.Next(run.form());
    played.push_back(event);
    std::optional<Violation> violation;
    run.Play(event, violation);
    if (violation) return {Failure{i, *violation}, run.tallies()};
  }
  return {std::nullopt, run.tallies()};
}

std::vector<Event> Shrink(std::vector<Event> events, std::string_view invariant,
                          const FaultHooks& hooks) {
  // Keeps `candidate`, cut after its failing event, if it breaks the same rule.
  const auto stillFails = [&](std::vector<Event>& candidate) {
    const RunOutcome outcome = Replay(candidate, hooks);
    if (!outcome.failure || outcome.failure->violation.invariant != invariant) return false;
    if (outcome.failure->index == kAtStartUp) {
      candidate.clear();
    } else {
      candidate.resize(outcome.failure->index + 1);
    }
    return true;
  };
  if (!stillFails(events)) return events;

  std::size_t chunk = std::max<std::size_t>(events.size() / 2, 1);
  while (!events.empty()) {
    bool removedAny = false;
    for (std::size_t start = 0; start < events.size();) {
      std::vector<Event> candidate(events.begin(),
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
