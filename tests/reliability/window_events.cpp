#include "tests/reliability/window_events.h"

#include <array>

namespace trixola::reliability {

namespace {

// Fixed points of the background: the bare black area (moved about by the
// offset), the outer grid line, a grid line between cells, the scoreboard
// frame, the inside of the level frame and a colour box.
constexpr std::array<QPoint, 6> kBackground{
    {{480, 20}, {64, 130}, {112, 60}, {272, 180}, {66, 249}, {316, 146}}};
// The label "Computer" and the banner.
constexpr std::array<QPoint, 2> kLabels{{{340, 142}, {300, 60}}};

// How far from the middle of a target a click or move may land.
constexpr int kCellReachX = 20;  // cells are 49 x 65 pixels
constexpr int kCellReachY = 28;
constexpr int kCreditReach = 12;  // 32 x 32
constexpr int kSwitchReachX = 8;  // 24 x 22
constexpr int kSwitchReachY = 7;
constexpr int kBlackReachX = 18;
constexpr int kBlackReachY = 8;

enum class Action : std::uint8_t {
  ClickCell,
  NewGame,
  NewGameAltN,
  Easy,
  Hard,
  Sound,
  Credit,
  Clock,
  MoveBackground,
  MoveCredit,
  MoveCell,
  MoveLabel,
};

// Out of about 2000. Alt+N waits for its animated click (a tenth of a second
// of real time), so it stays rare; New Game comes often once a match is over.
constexpr int kNewGameWeightWhenOver = 600;
constexpr std::array<Weight<Action>, 12> kWeights{{
    {Action::ClickCell, 840},
    {Action::NewGame, 80},
    {Action::NewGameAltN, 1},
    {Action::Easy, 60},
    {Action::Hard, 60},
    {Action::Sound, 80},
    {Action::Credit, 20},
    {Action::Clock, 200},
    {Action::MoveBackground, 80},
    {Action::MoveCredit, 60},
    {Action::MoveCell, 60},
    {Action::MoveLabel, 20},
}};

std::int8_t Offset(Rng& rng, int reach) {
  return static_cast<std::int8_t>(rng.Below(2 * reach + 1) - reach);
}

QPoint Shifted(QPoint centre, const WindowEvent& event) {
  return centre + QPoint(event.dx, event.dy);
}

}  // namespace

std::string Describe(const WindowEvent& event) {
  const auto at = [&event] {
    return event.dx == 0 && event.dy == 0
               ? std::string()
               : " (" + std::to_string(event.dx) + "," + std::to_string(event.dy) + ")";
  };
  switch (event.kind) {
    case WindowEventKind::ClickCell:
      return "click cell " + std::to_string(event.cell) + at();
    case WindowEventKind::NewGameClick:
      return "click New Game";
    case WindowEventKind::NewGameEnter:
      return "Enter on New Game";
    case WindowEventKind::NewGameSpace:
      return "Space on New Game";
    case WindowEventKind::NewGameAltN:
      return "Alt+N";
    case WindowEventKind::ClickEasy:
      return "click Easy";
    case WindowEventKind::ClickHard:
      return "click Hard";
    case WindowEventKind::ClickSound:
      return "click sound switch" + at();
    case WindowEventKind::ClickCredit:
      return "click credit" + at();
    case WindowEventKind::ClockTick:
      return "Timer1";
    case WindowEventKind::MoveBackground:
      return "move to background " + std::to_string(event.spot) + at();
    case WindowEventKind::MoveCredit:
      return "move to credit" + at();
    case WindowEventKind::MoveCell:
      return "move to cell " + std::to_string(event.cell) + at();
    case WindowEventKind::MoveLabel:
      return "move to label " + std::to_string(event.spot);
  }
  return "?";
}

QPoint PointOf(const WindowEvent& event) {
  switch (event.kind) {
    case WindowEventKind::ClickCell:
    case WindowEventKind::MoveCell:
      return Shifted(WindowDriver::CellCentre(event.cell), event);
    case WindowEventKind::ClickSound:
      return Shifted(WindowDriver::ControlRect("imgSound").center(), event);
    case WindowEventKind::ClickCredit:
    case WindowEventKind::MoveCredit:
      return Shifted(WindowDriver::ControlRect("Image10").center(), event);
    case WindowEventKind::MoveBackground:
      return Shifted(kBackground[static_cast<std::size_t>(event.spot)], event);
    case WindowEventKind::MoveLabel:
      return kLabels[static_cast<std::size_t>(event.spot)];
    default:
      return {-1, -1};
  }
}

bool CanDeliver(const WindowEvent& event, const WindowDriver& window) {
  switch (event.kind) {
    case WindowEventKind::NewGameEnter:
    case WindowEventKind::NewGameSpace:
      return window.NewGameHasFocus();
    case WindowEventKind::ClockTick:
      return window.ClockRunning();
    default:
      return true;
  }
}

bool Deliver(const WindowEvent& event, WindowDriver& window) {
  switch (event.kind) {
    case WindowEventKind::ClickCell:
    case WindowEventKind::ClickSound:
    case WindowEventKind::ClickCredit:
      window.ClickAt(PointOf(event));
      return true;
    case WindowEventKind::NewGameClick:
      window.ClickNewGame();
      return true;
    case WindowEventKind::NewGameEnter:
      WindowDriver::Press(Qt::Key_Return);
      return true;
    case WindowEventKind::NewGameSpace:
      WindowDriver::Press(Qt::Key_Space);
      return true;
    case WindowEventKind::NewGameAltN:
      return window.PressAltN();
    case WindowEventKind::ClickEasy:
    case WindowEventKind::ClickHard:
      window.ChooseLevel(event.kind == WindowEventKind::ClickHard);
      return true;
    case WindowEventKind::ClockTick:
      window.TickClock();
      return true;
    case WindowEventKind::MoveBackground:
    case WindowEventKind::MoveCredit:
    case WindowEventKind::MoveCell:
    case WindowEventKind::MoveLabel:
      window.MoveTo(PointOf(event));
      return true;
  }
  return false;
}

WindowEvent WindowEventSource::Next(const WindowDriver& window) {
  for (;;) {
    const WindowEvent event = Draw(window);
    // A move to where the pointer already is would be no move at all.
    if (PointOf(event) != QPoint(-1, -1) && PointOf(event) == window.pointer()) continue;
    if (CanDeliver(event, window)) return event;
  }
}

WindowEvent WindowEventSource::Draw(const WindowDriver& window) {
  const bool matchOver = !window.form().Timer4Enabled();
  const Action action = Pick(rng_, kWeights, [matchOver](const Weight<Action>& w) {
    return w.action == Action::NewGame && matchOver ? kNewGameWeightWhenOver : w.weight;
  });

  WindowEvent event{WindowEventKind::ClickCell};
  switch (action) {
    case Action::ClickCell:
    case Action::MoveCell:
      event.kind =
          action == Action::ClickCell ? WindowEventKind::ClickCell : WindowEventKind::MoveCell;
      event.cell = static_cast<std::int8_t>(rng_.Below(9) + 1);
      event.dx = Offset(rng_, kCellReachX);
      event.dy = Offset(rng_, kCellReachY);
      break;
    case Action::NewGame: {
      // Half by mouse, the rest by key when "&New Game" has the focus.
      const int how = rng_.Below(4);
      event.kind = how < 2 || !window.NewGameHasFocus()
                       ? WindowEventKind::NewGameClick
                       : (how == 2 ? WindowEventKind::NewGameEnter : WindowEventKind::NewGameSpace);
      break;
    }
    case Action::NewGameAltN:
      event.kind = WindowEventKind::NewGameAltN;
      break;
    case Action::Easy:
      event.kind = WindowEventKind::ClickEasy;
      break;
    case Action::Hard:
      event.kind = WindowEventKind::ClickHard;
      break;
    case Action::Sound:
      event.kind = WindowEventKind::ClickSound;
      event.dx = Offset(rng_, kSwitchReachX);
      event.dy = Offset(rng_, kSwitchReachY);
      break;
    case Action::Credit:
    case Action::MoveCredit:
      event.kind =
          action == Action::Credit ? WindowEventKind::ClickCredit : WindowEventKind::MoveCredit;
      event.dx = Offset(rng_, kCreditReach);
      event.dy = Offset(rng_, kCreditReach);
      break;
    case Action::Clock:
      event.kind = WindowEventKind::ClockTick;
      break;
    case Action::MoveBackground:
      event.kind = WindowEventKind::MoveBackground;
      event.spot = static_cast<std::int8_t>(rng_.Below(static_cast<int>(kBackground.size())));
      if (event.spot == 0) {
        event.dx = Offset(rng_, kBlackReachX);
        event.dy = Offset(rng_, kBlackReachY);
      }
      break;
    case Action::MoveLabel:
      event.kind = WindowEventKind::MoveLabel;
      event.spot = static_cast<std::int8_t>(rng_.Below(static_cast<int>(kLabels.size())));
      break;
  }
  return event;
}

}  // namespace trixola::reliability
