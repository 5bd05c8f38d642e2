#include "tests/reliability/window_checker.h"

#include <QPushButton>
#include <QRadioButton>
#include <string>

namespace trixola::reliability {

namespace {

constexpr std::array<Label, 6> kLabels{Label::Label1, Label::Label4,  Label::Label5,
                                       Label::Label6, Label::lbltime, Label::lblSound};

std::string_view LabelName(Label label) {
  constexpr std::array<std::string_view, 6> kNames{"Label1", "Label4",  "Label5",
                                                   "Label6", "lbltime", "lblSound"};
  return kNames[static_cast<std::size_t>(label)];
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Str(const QString& text) {
  return text.toStdString();
}

QColor FromBbggrr(std::uint32_t bbggrr) {
  return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                static_cast<int>((bbggrr >> 16) & 0xFF));
}

std::uint32_t ToBbggrr(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
         static_cast<std::uint32_t>(color.blue()) << 16;
}

bool IsNewGame(WindowEventKind kind) {
  return kind == WindowEventKind::NewGameClick || kind == WindowEventKind::NewGameEnter ||
         kind == WindowEventKind::NewGameSpace || kind == WindowEventKind::NewGameAltN;
}

std::string Join(const std::vector<std::string>& names) {
  std::string text = "[";
  for (const std::string& name : names) text += (text.size() > 1 ? ", " : "") + name;
  return text + "]";
}

}  // namespace

WindowState WindowState::Read(const WindowDriver& window) {
  const ObservedForm& form = window.form();
  WindowState s{MatchState::Of(window.game(), window.ClockRunning(), form.Timer4Enabled()),
                form.Option1()->isChecked(),
                form.Option2()->isChecked(),
                window.NewGameHasFocus(),
                {},
                form.ForeColor(Label::Label1),
                form.windowTitle()};
  for (Label label : kLabels) s.captions[static_cast<std::size_t>(label)] = form.Caption(label);
  return s;
}

WindowTallies& WindowTallies::operator+=(const WindowTallies& other) {
  events += other.events;
  playerWins += other.playerWins;
  computerWins += other.computerWins;
  draws += other.draws;
  freeClicks += other.freeClicks;
  lockedClicks += other.lockedClicks;
  freeClicksWithSoundOff += other.freeClicksWithSoundOff;
  hardMoves += other.hardMoves;
  clockTicks += other.clockTicks;
  titleChanges += other.titleChanges;
  links += other.links;
  for (std::size_t i = 0; i < newGames.size(); ++i) newGames[i] += other.newGames[i];
  return *this;
}

WindowChecker::WindowChecker(const WindowDriver& window, SoundRecorder& sounds) : sounds_(sounds) {
  // The shadow's form starts with the captions, banner colour and title the
  // window was created with.
  const WindowState start = WindowState::Read(window);
  RecordingForm& form = shadow_.session.form;
  for (Label label : kLabels) {
    form.captions[RecordingForm::Index(label)] = Str(start.Caption(label));
  }
  form.foreColors[RecordingForm::Index(Label::Label1)] = ToBbggrr(start.bannerColor);
  form.windowCaption = Str(start.title);
}

std::optional<Violation> WindowChecker::CheckStartUp(const WindowDriver& window) {
  const WindowState s = WindowState::Read(window);
  REQUIRE_RULE(s.WON == kNoResult && s.Sound && s.Hard == 0 && s.tm == 0 && EmptyAndFree(s.board) &&
                   s.timer1On && s.timer4On && s.option1Checked && !s.option2Checked &&
                   s.Caption(Label::Label1) == Text(kWelcomeCaption) &&
                   s.Caption(Label::lblSound) == "On" && s.title == Text(kTitleCaption) &&
                   sounds_.requests.empty(),
               invariant::kStartUp, "WON " + std::to_string(s.WON) + ", board " + Picture(s.board));
  if (shadow_.startUpViolation()) return shadow_.startUpViolation();
  return CompareWithShadow(s);
}

void WindowChecker::BeforeEvent(WindowDriver& window) {
  before_ = WindowState::Read(window);
  pointerBefore_ = window.pointer();
  sounds_.requests.clear();
  window.form().captionsWritten.clear();
  linksBefore_ = window.links().size();
}

std::optional<Violation> WindowChecker::AfterEvent(const WindowEvent& event, bool taken,
                                                   WindowDriver& window) {
  const WindowState after = WindowState::Read(window);
  ++tallies_.events;
  REQUIRE_RULE(taken, window_rule::kInputTaken, Describe(event) + " had no effect");
  if (auto violation = CheckWindow(event, after, window)) return violation;
  if (auto violation = DriveShadow(event)) {
    violation->detail = "in the game behind the window: " + violation->detail;
    return violation;
  }
  return CompareWithShadow(after);
}

std::optional<Violation> WindowChecker::CheckWindow(const WindowEvent& event, const WindowState& a,
                                                    const WindowDriver& window) {
  const WindowState& b = before_;
  const WindowEventKind kind = event.kind;
  const bool isClick = kind == WindowEventKind::ClickCell;
  const bool freeClick = isClick && b.board.IsCellFree(event.cell);
  const bool newGame = IsNewGame(kind);
  const auto during = [&] {
    return " (" + Describe(event) + ", board before " + Picture(b.board) + ", after " +
           Picture(a.board) + ")";
  };

  Announcements announced;
  std::array<int, 6> written{};
  for (const auto& [label, text] : window.form().captionsWritten) {
    ++written[static_cast<std::size_t>(label)];
    announced.Note(label, text);
  }
  const auto writes = [&written](Label label) { return written[static_cast<std::size_t>(label)]; };
  tallies_.playerWins += static_cast<std::uint64_t>(announced.player);
  tallies_.computerWins += static_cast<std::uint64_t>(announced.computer);
  tallies_.draws += static_cast<std::uint64_t>(announced.draw);

  REQUIRE_RULE(a.WON == kNoResult || a.WON == kPlayerWon || a.WON == kComputerWon,
               invariant::kWonRange, "WON = " + std::to_string(a.WON) + during());
  REQUIRE_RULE(a.WON == kNoResult, window_rule::kResultAtOnce,
               "WON = " + std::to_string(a.WON) + " waits after the input" + during());

  for (const SoundRecorder::Request& request : sounds_.requests) {
    REQUIRE_RULE(request.soundOn, invariant::kSilentWhenOff,
                 "\"" + request.name + "\" requested with Sound false" + during());
  }

  if (isClick && !freeClick) {
    ++tallies_.lockedClicks;
    REQUIRE_RULE(a == b && sounds_.requests.empty() && window.form().captionsWritten.empty(),
                 invariant::kLockedClickInert,
                 std::to_string(sounds_.requests.size()) + " sounds" + during());
  }

  if (!newGame) {
    if (auto violation = CheckBoardKept(b.board, a.board)) return With(*violation, during());
  }

  const Marks added = NewMarks(b.board, a.board);
  if (freeClick) {
    ++tallies_.freeClicks;
    tallies_.freeClicksWithSoundOff += !b.Sound;
    tallies_.hardMoves += b.Hard == 1;
    const int n = event.cell;
    REQUIRE_RULE(a.board.HasPlayerMark(n) && !a.board.IsCellFree(n) && added.player == 1 &&
                     a.ImageNumber == n,
                 invariant::kClickMarksAndLocks,
                 std::to_string(added.player) + " player marks added" + during());
    REQUIRE_RULE(added.computer <= 1, invariant::kOneComputerMark,
                 std::to_string(added.computer) + " computer marks added" + during());
  } else {
    REQUIRE_RULE(added.player == 0 && added.computer == 0, invariant::kMarksOnlyFromClicks,
                 "marks added" + during());
  }
  if (auto violation = CheckNoCellWithBothMarks(a.board, window_rule::kNeverBothMarks)) {
    return With(*violation, during());
  }

  // The score.
  if (auto violation = CheckScores(b, a, announced)) return With(*violation, during());
  const auto countShown = [&](Label label, int announcedHere, const QString& expected) {
    return announcedHere == 0 ? (writes(label) == 0 && a.Caption(label) == b.Caption(label))
                              : (writes(label) == 1 && a.Caption(label) == expected);
  };
  REQUIRE_RULE(
      countShown(Label::Label5, announced.player, QString::number(a.PlayerScore)) &&
          countShown(Label::Label4, announced.computer, QString::number(a.ComputerScore)) &&
          countShown(Label::Label6, announced.draw, "Draw: " + QString::number(a.DrawScore)),
      window_rule::kScoreCaptions,
      "captions \"" + Str(a.Caption(Label::Label5)) + "\" / \"" + Str(a.Caption(Label::Label4)) +
          "\" / \"" + Str(a.Caption(Label::Label6)) + "\"" + during());

  if (announced.total() > 0) {
    REQUIRE_RULE(a.Caption(Label::Label1) == Text(announced.Banner()) &&
                     a.bannerColor == FromBbggrr(announced.BannerColor()),
                 invariant::kBanner, "banner \"" + Str(a.Caption(Label::Label1)) + "\"" + during());
    REQUIRE_RULE(AllLocked(a.board) && !a.timer4On && !a.timer1On && a.newGameFocus,
                 window_rule::kMatchClosed,
                 "Timer4 " + std::to_string(a.timer4On) + ", Timer1 " + std::to_string(a.timer1On) +
                     ", focus on New Game " + std::to_string(a.newGameFocus) + during());
  }
  if (auto violation = CheckEndedStaysEnded(a)) return With(*violation, during());

  // The clock.
  tallies_.clockTicks += kind == WindowEventKind::ClockTick;
  if (auto violation = CheckClock(kind == WindowEventKind::ClockTick, newGame, b, a,
                                  writes(Label::lbltime) > 0, Str(a.Caption(Label::lbltime)))) {
    return With(*violation, during());
  }

  // New Game.
  if (newGame) {
    ++tallies_.newGames[static_cast<std::size_t>(kind) -
                        static_cast<std::size_t>(WindowEventKind::NewGameClick)];
    REQUIRE_RULE(EmptyAndFree(a.board) && a.WON == kNoResult && a.tm == 0 && a.timer1On &&
                     a.timer4On && a.Caption(Label::Label1) == Text(kWelcomeCaption) &&
                     a.bannerColor == FromBbggrr(kBannerOrange),
                 invariant::kNewGame,
                 "banner \"" + Str(a.Caption(Label::Label1)) + "\"" + during());
    if (auto violation = CheckNewGameKeeps(b, a, static_cast<int>(sounds_.requests.size()))) {
      return With(*violation, during());
    }
  }

  // The level and the sound switch, and what their controls show.
  const std::int16_t level =
      kind == WindowEventKind::ClickEasy ? 0 : (kind == WindowEventKind::ClickHard ? 1 : b.Hard);
  REQUIRE_RULE(
      a.Hard == level && a.Sound == (kind == WindowEventKind::ClickSound ? !b.Sound : b.Sound),
      invariant::kLevelAndSound,
      "Hard " + std::to_string(b.Hard) + " -> " + std::to_string(a.Hard) + ", Sound " +
          std::to_string(b.Sound) + " -> " + std::to_string(a.Sound) + during());
  REQUIRE_RULE(a.option1Checked == (a.Hard == 0) && a.option2Checked == (a.Hard == 1) &&
                   a.Caption(Label::lblSound) == (a.Sound ? "On" : "Off"),
               window_rule::kControlsShowState,
               "Hard " + std::to_string(a.Hard) + ", lblSound \"" +
                   Str(a.Caption(Label::lblSound)) + "\"" + during());

  // The window caption.
  QString title = b.title;
  if (StandingMove(event)) {
    // No move at all.
  } else if (kind == WindowEventKind::MoveBackground ||
             (kind == WindowEventKind::MoveCell && !b.board.IsCellFree(event.cell))) {
    title = Text(kTitleCaption);
  } else if (kind == WindowEventKind::MoveCredit) {
    title = Text(kCreditCaption);
  }
  tallies_.titleChanges += a.title != b.title;
  REQUIRE_RULE(a.title == title, window_rule::kWindowCaption,
               "\"" + Str(a.title) + "\", expected \"" + Str(title) + "\"" + during());

  // The contact link.
  const qsizetype links = window.links().size() - linksBefore_;
  windowLinks_ = static_cast<int>(links);
  const bool credit = kind == WindowEventKind::ClickCredit;
  tallies_.links += static_cast<std::uint64_t>(links);
  REQUIRE_RULE(links == (credit ? 1 : 0) &&
                   (!credit || window.links().back() ==
                                   QUrl(QStringLiteral("mailto:") + Text(kContactAddress))),
               window_rule::kContactLink, std::to_string(links) + " links" + during());
  return std::nullopt;
}

bool WindowChecker::StandingMove(const WindowEvent& event) const {
  switch (event.kind) {
    case WindowEventKind::MoveBackground:
    case WindowEventKind::MoveCredit:
    case WindowEventKind::MoveCell:
    case WindowEventKind::MoveLabel:
      return PointOf(event) == pointerBefore_;
    default:
      return false;
  }
}

std::optional<Violation> WindowChecker::DriveShadow(const WindowEvent& event) {
  shadowSounds_.clear();
  shadowLinks_ = 0;
  shadowFocus_ = 0;
  if (StandingMove(event)) return std::nullopt;
  const Board& board = shadow_.session.game.board;
  std::optional<Event> handler;
  switch (event.kind) {
    case WindowEventKind::ClickCell:
      // A locked cell's click target raises no click.
      if (board.IsCellFree(event.cell)) handler = Event{EventKind::Click, event.cell};
      break;
    case WindowEventKind::NewGameClick:
    case WindowEventKind::NewGameEnter:
    case WindowEventKind::NewGameSpace:
    case WindowEventKind::NewGameAltN:
      handler = Event{EventKind::NewGame};
      break;
    case WindowEventKind::ClickEasy:
      handler = Event{EventKind::ChooseEasy};
      break;
    case WindowEventKind::ClickHard:
      handler = Event{EventKind::ChooseHard};
      break;
    case WindowEventKind::ClickSound:
      handler = Event{EventKind::SoundSwitch};
      break;
    case WindowEventKind::ClickCredit:
      handler = Event{EventKind::CreditClick};
      break;
    case WindowEventKind::ClockTick:
      handler = Event{EventKind::Timer1Tick};
      break;
    case WindowEventKind::MoveBackground:
      handler = Event{EventKind::FormMouseMove};
      break;
    case WindowEventKind::MoveCredit:
      handler = Event{EventKind::CreditMouseMove};
      break;
    case WindowEventKind::MoveCell:
      // A locked cell's click target is part of the background.
      if (!board.IsCellFree(event.cell)) handler = Event{EventKind::FormMouseMove};
      break;
    case WindowEventKind::MoveLabel:
      break;
  }
  if (!handler) return std::nullopt;
  // The handler, then each detector once.
  for (const Event& core : {*handler, Event{EventKind::Timer4Tick}, Event{EventKind::Timer3Tick}}) {
    std::optional<Violation> violation;
    if (!shadow_.Play(core, violation)) continue;
    if (violation) return violation;
    for (const FormCall& call : shadow_.session.form.calls) {
      if (call.kind == FormCall::Kind::Sound) shadowSounds_.push_back(call.text);
      shadowLinks_ += call.kind == FormCall::Kind::Link;
      shadowFocus_ += call.kind == FormCall::Kind::Focus;
    }
  }
  return std::nullopt;
}

std::optional<Violation> WindowChecker::CompareWithShadow(const WindowState& a) {
  const Game& g = shadow_.session.game;
  const RecordingForm& f = shadow_.session.form;
  const auto differs = [&](std::string_view what, const std::string& window,
                           const std::string& game) {
    return Violation{window_rule::kLikeTheGame,
                     std::string(what) + ": window " + window + ", game " + game};
  };
  if (!(a.board == g.board)) return differs("board", Picture(a.board), Picture(g.board));
  const std::array<std::pair<std::string_view, std::pair<std::int64_t, std::int64_t>>, 14> values{{
      {"WON", {a.WON, g.WON}},
      {"ImageNumber", {a.ImageNumber, g.ImageNumber}},
      {"Done", {a.Done, g.Done}},
      {"Hard", {a.Hard, g.Hard}},
      {"tm", {a.tm, g.tm}},
      {"Sound", {a.Sound, g.Sound}},
      {"PlayerScore", {a.PlayerScore, g.PlayerScore}},
      {"ComputerScore", {a.ComputerScore, g.ComputerScore}},
      {"DrawScore", {a.DrawScore, g.DrawScore}},
      {"Timer1", {a.timer1On, f.timer1On}},
      {"Timer4", {a.timer4On, f.timer4On}},
      {"Option1", {a.option1Checked, f.option1Selected}},
      {"Option2", {a.option2Checked, f.option2Selected}},
      {"reply flags", {a.rdone == g.rdone, true}},
  }};
  for (const auto& [name, pair] : values) {
    if (pair.first != pair.second) {
      return differs(name, std::to_string(pair.first), std::to_string(pair.second));
    }
  }
  for (Label label : kLabels) {
    const std::string window = Str(a.Caption(label));
    if (window != f.Caption(label)) {
      return differs("caption of " + std::string(LabelName(label)), window, f.Caption(label));
    }
  }
  const QColor banner = FromBbggrr(f.foreColors[RecordingForm::Index(Label::Label1)]);
  if (a.bannerColor != banner) {
    return differs("banner colour", Str(a.bannerColor.name()), Str(banner.name()));
  }
  if (Str(a.title) != f.windowCaption) return differs("title", Str(a.title), f.windowCaption);
  std::vector<std::string> windowSounds;
  for (const SoundRecorder::Request& request : sounds_.requests) {
    windowSounds.push_back(request.name);
  }
  if (windowSounds != shadowSounds_)
    return differs("sounds", Join(windowSounds), Join(shadowSounds_));
  if (shadowFocus_ > 0 && !a.newGameFocus) return differs("focus on New Game", "no", "yes");
  if (windowLinks_ != shadowLinks_) {
    return differs("links", std::to_string(windowLinks_), std::to_string(shadowLinks_));
  }
  return std::nullopt;
}

}  // namespace trixola::reliability
