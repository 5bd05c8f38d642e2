#include "tests/reliability/event_runner.h"

#include <cstddef>
#include <utility>

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

CheckedSession::CheckedSession(FaultHooks hooks) : hooks_(std::move(hooks)) {
  startUpViolation_ = checker_.CheckStartUp(session.game, session.form);
}

bool CheckedSession::Play(const Event& event, std::optional<Violation>& violation) {
  if (!session.CanDeliver(event)) return false;
  session.form.calls.clear();
  checker_.BeforeEvent(event, session.game, session.form);
  if (hooks_.beforeHandler) hooks_.beforeHandler(event, session.game, session.form);
  session.Deliver(event);
  if (hooks_.afterHandler) hooks_.afterHandler(event, session.game, session.form);
  violation = checker_.AfterEvent(event, session.game, session.form);
  return true;
}

RunOutcome Replay(const std::vector<Event>& events, const FaultHooks& hooks) {
  CheckedSession run(hooks);
  return PlayChecked(run, events.size(), [&events](std::size_t i) { return events[i]; });
}

RunOutcome RunRandom(std::uint64_t seed, Pacing pacing, std::size_t count,
                     std::vector<Event>& played, const FaultHooks& hooks) {
  played.clear();
  CheckedSession run(hooks);
  EventSource source(seed, pacing);
  return PlayChecked(run, count, [&](std::size_t) {
    played.push_back(source.Next(run.session.form));
    return played.back();
  });
}

}  // namespace trixola::reliability
