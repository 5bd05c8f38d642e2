#include "tests/reliability/invariants.h"

#include <algorithm>
#include <string>

namespace trixola::reliability {

namespace {

bool AnyLine(const Board& board, bool (Board::*hasMark)(int) const) {
  return std::any_of(LineTable.begin(), LineTable.end(), [&](const Line& line) {
    return std::all_of(line.begin(), line.end(), [&](int n) { return (board.*hasMark)(n); });
  });
}

bool Marked(const Board& board, int n) {
  return board.HasPlayerMark(n) || board.HasComputerMark(n);
}

}  // namespace

bool PlayerLine(const Board& board) {
  return AnyLine(board, &Board::HasPlayerMark);
}

bool ComputerLine(const Board& board) {
  return AnyLine(board, &Board::HasComputerMark);
}

bool AllMarked(const Board& board) {
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    if (!Marked(board, n)) return false;
  }
  return true;
}

bool AllLocked(const Board& board) {
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    if (board.IsCellFree(n)) return false;
  }
  return true;
}

bool EmptyAndFree(const Board& board) {
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    if (!board.IsCellFree(n) || Marked(board, n)) return false;
  }
  return true;
}

std::string Picture(const Board& board) {
  std::string text;
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    text += board.IsCellFree(n) ? '.' : 'L';
    const bool p = board.HasPlayerMark(n);
    const bool c = board.HasComputerMark(n);
    text += p && c ? '*' : p ? 'p' : c ? 'c' : ' ';
    text += n % 3 == 0 ? (n == kLastCell ? "" : " | ") : " ";
  }
  return "[" + text + "]";
}

std::string Cell(int n) {
  return "cell " + std::to_string(n);
}

Marks NewMarks(const Board& before, const Board& after) {
  Marks added;
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    added.player += after.HasPlayerMark(n) && !before.HasPlayerMark(n);
    added.computer += after.HasComputerMark(n) && !before.HasComputerMark(n);
  }
  return added;
}

void Announcements::Note(Label label, std::string_view caption) {
  if (label != Label::Label1) return;
  player += caption == kPlayerWonCaption;
  computer += caption == kComputerWonCaption;
  draw += caption == kDrawCaption;
}

std::string_view Announcements::Banner() const {
  return player > 0 ? kPlayerWonCaption : (computer > 0 ? kComputerWonCaption : kDrawCaption);
}

std::optional<Violation> CheckBoardKept(const Board& b, const Board& a) {
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    REQUIRE_RULE(b.IsCellFree(n) || !a.IsCellFree(n), invariant::kLockedStaysLocked,
                 Cell(n) + " unlocked");
    REQUIRE_RULE((!b.HasPlayerMark(n) || a.HasPlayerMark(n)) &&
                     (!b.HasComputerMark(n) || a.HasComputerMark(n)),
                 invariant::kMarksStay, Cell(n) + " lost a mark");
  }
  return std::nullopt;
}

std::optional<Violation> CheckScores(const MatchState& b, const MatchState& a,
                                     const Announcements& announced) {
  const auto scores = [&] {
    return std::to_string(b.PlayerScore) + "/" + std::to_string(b.ComputerScore) + "/" +
           std::to_string(b.DrawScore) + " -> " + std::to_string(a.PlayerScore) + "/" +
           std::to_string(a.ComputerScore) + "/" + std::to_string(a.DrawScore) + " with " +
           std::to_string(announced.total()) + " results announced";
  };
  REQUIRE_RULE(a.PlayerScore >= b.PlayerScore && a.ComputerScore >= b.ComputerScore &&
                   a.DrawScore >= b.DrawScore,
               invariant::kScoresNeverDecrease, scores());
  REQUIRE_RULE(announced.total() <= 1 && a.PlayerScore == Raised(b.PlayerScore, announced.player) &&
                   a.ComputerScore == Raised(b.ComputerScore, announced.computer) &&
                   a.DrawScore == Raised(b.DrawScore, announced.draw),
               invariant::kOnePointPerResult, scores());
  return std::nullopt;
}

std::optional<Violation> CheckClock(bool tick, bool newGame, const MatchState& b,
                                    const MatchState& a, bool clockWritten,
                                    const std::string& clockCaption) {
  const auto change = [&] {
    return "tm " + std::to_string(b.tm) + " -> " + std::to_string(a.tm) + ", caption \"" +
           clockCaption + "\"";
  };
  if (tick) {
    REQUIRE_RULE(a.tm == Raised(b.tm, 1) && clockWritten &&
                     clockCaption == std::to_string(a.tm) + " Seconds",
                 invariant::kClock, change());
  } else {
    REQUIRE_RULE(!clockWritten && (a.tm == b.tm || (newGame && a.tm == 0)), invariant::kClock,
                 change());
  }
  return std::nullopt;
}

std::optional<Violation> CheckNewGameKeeps(const MatchState& b, const MatchState& a, int sounds) {
  REQUIRE_RULE(a.PlayerScore == b.PlayerScore && a.ComputerScore == b.ComputerScore &&
                   a.DrawScore == b.DrawScore && a.Hard == b.Hard && a.Sound == b.Sound &&
                   sounds == 0,
               invariant::kNewGameKeeps,
               "Hard " + std::to_string(b.Hard) + " -> " + std::to_string(a.Hard) + ", Sound " +
                   std::to_string(b.Sound) + " -> " + std::to_string(a.Sound) + ", " +
                   std::to_string(sounds) + " sounds");
  return std::nullopt;
}

std::optional<Violation> CheckEndedStaysEnded(const MatchState& a) {
  REQUIRE_RULE(
      a.timer1On == a.timer4On && (a.timer4On || (AllLocked(a.board) && a.WON == kNoResult)),
      invariant::kEndedStaysEnded,
      "Timer4 " + std::to_string(a.timer4On) + ", Timer1 " + std::to_string(a.timer1On) + ", WON " +
          std::to_string(a.WON));
  return std::nullopt;
}

std::optional<Violation> CheckNoCellWithBothMarks(const Board& board, std::string_view rule) {
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    REQUIRE_RULE(!(board.HasPlayerMark(n) && board.HasComputerMark(n)), rule, Cell(n));
  }
  return std::nullopt;
}

MatchState MatchState::Of(const Game& game, bool timer1On, bool timer4On) {
  return {game.board,     game.ImageNumber, game.WON,   game.Done,        game.rdone,
          game.Hard,      game.tm,          game.Sound, game.PlayerScore, game.ComputerScore,
          game.DrawScore, timer1On,         timer4On};
}

Snapshot Snapshot::Take(const Game& game, const RecordingForm& form) {
  return {MatchState::Of(game, form.timer1On, form.timer4On), form.option1Selected,
          form.option2Selected};
}

Tallies& Tallies::operator+=(const Tallies& other) {
  events += other.events;
  playerWins += other.playerWins;
  computerWins += other.computerWins;
  draws += other.draws;
  freeClicks += other.freeClicks;
  lockedClicks += other.lockedClicks;
  clicksOnUnlockedComputerMark += other.clicksOnUnlockedComputerMark;
  clicksBeforeLockDown += other.clicksBeforeLockDown;
  resultsDiscardedByNewGame += other.resultsDiscardedByNewGame;
  newGames += other.newGames;
  return *this;
}

std::optional<Violation> InvariantChecker::CheckStartUp(const Game& game,
                                                        const RecordingForm& form) {
  const Snapshot s = Snapshot::Take(game, form);
  const bool silent = std::none_of(form.calls.begin(), form.calls.end(), [](const FormCall& c) {
    return c.kind == FormCall::Kind::Sound;
  });
  REQUIRE_RULE(s.WON == kNoResult && s.Sound && s.Hard == 0 && s.tm == 0 && EmptyAndFree(s.board) &&
                   s.timer1On && s.timer4On && s.PlayerScore == 0 && s.ComputerScore == 0 &&
                   s.DrawScore == 0 && silent,
               invariant::kStartUp,
               "WON " + std::to_string(s.WON) + ", Hard " + std::to_string(s.Hard) + ", board " +
                   Picture(s.board));
  return std::nullopt;
}

void InvariantChecker::BeforeEvent(const Event& event, const Game& game,
                                   const RecordingForm& form) {
  before_ = Snapshot::Take(game, form);
  if (event.kind == EventKind::Click && before_.board.IsCellFree(event.cell) &&
      !lockDownSinceClick_) {
    pacedMatch_ = false;
    ++tallies_.clicksBeforeLockDown;
  }
}

std::optional<Violation> InvariantChecker::AfterEvent(const Event& event, const Game& game,
                                                      const RecordingForm& form) {
  const Snapshot after = Snapshot::Take(game, form);
  if (event.kind == EventKind::NewGame) {
    pacedMatch_ = true;
    lockDownSinceClick_ = true;
  }
  std::optional<Violation> violation = CheckEvent(event, after, form);
  if (event.kind == EventKind::Click && before_.board.IsCellFree(event.cell)) {
    lockDownSinceClick_ = false;
  }
  if (event.kind == EventKind::Timer4Tick) lockDownSinceClick_ = true;
  return violation;
}

std::optional<Violation> InvariantChecker::CheckEvent(const Event& event, const Snapshot& a,
                                                      const RecordingForm& form) {
  const Snapshot& b = before_;
  const EventKind kind = event.kind;
  const bool isClick = kind == EventKind::Click;
  const bool freeClick = isClick && b.board.IsCellFree(event.cell);
  // Built only when a rule breaks.
  const auto during = [&] {
    return " (" + Describe(event) + ", board before " + Picture(b.board) + ", after " +
           Picture(a.board) + ")";
  };
  ++tallies_.events;

  // What the event asked of the window.
  Announcements announced;
  int focusCalls = 0;
  int soundCount = 0;
  const FormCall* sound = nullptr;
  bool clockWritten = false;
  bool welcomeWritten = false;
  bool orangeWritten = false;
  std::array<bool, 6> captionWritten{};
  for (const FormCall& call : form.calls) {
    switch (call.kind) {
      case FormCall::Kind::Caption:
        captionWritten[RecordingForm::Index(call.label)] = true;
        announced.Note(call.label, call.text);
        welcomeWritten =
            welcomeWritten || (call.label == Label::Label1 && call.text == kWelcomeCaption);
        clockWritten = clockWritten || call.label == Label::lbltime;
        break;
      case FormCall::Kind::ForeColor:
        orangeWritten =
            orangeWritten || (call.label == Label::Label1 && call.color == kBannerOrange);
        break;
      case FormCall::Kind::Focus:
        ++focusCalls;
        break;
      case FormCall::Kind::Sound:
        REQUIRE_RULE(call.enabled, invariant::kSilentWhenOff,
                     "sound \"" + call.text + "\" requested with Sound false" + during());
        ++soundCount;
        sound = &call;
        break;
      default:
        break;
    }
  }

  REQUIRE_RULE(a.WON == kNoResult || a.WON == kPlayerWon || a.WON == kComputerWon,
               invariant::kWonRange, "WON = " + std::to_string(a.WON) + during());

  if (isClick && !freeClick) {
    ++tallies_.lockedClicks;
    REQUIRE_RULE(a == b && form.calls.empty(), invariant::kLockedClickInert,
                 std::to_string(form.calls.size()) + " window calls" + during());
  }

  if (kind != EventKind::NewGame) {
    if (auto violation = CheckBoardKept(b.board, a.board)) return With(*violation, during());
  }

  const Marks added = NewMarks(b.board, a.board);
  if (!isClick) {
    REQUIRE_RULE(added.player == 0 && added.computer == 0, invariant::kMarksOnlyFromClicks,
                 "marks added" + during());
  }
  if (freeClick) {
    ++tallies_.freeClicks;
    tallies_.clicksOnUnlockedComputerMark += b.board.HasComputerMark(event.cell);
    const int n = event.cell;
    REQUIRE_RULE(a.board.HasPlayerMark(n) && !a.board.IsCellFree(n) && a.ImageNumber == n &&
                     added.player == (b.board.HasPlayerMark(n) ? 0 : 1),
                 invariant::kClickMarksAndLocks,
                 "ImageNumber " + std::to_string(a.ImageNumber) + during());
    REQUIRE_RULE(added.computer <= 1, invariant::kOneComputerMark,
                 std::to_string(added.computer) + " computer marks added" + during());
  }

  // The score.
  if (auto violation = CheckScores(b, a, announced)) return With(*violation, during());
  REQUIRE_RULE((announced.player + announced.computer == 0 || kind == EventKind::Timer3Tick) &&
                   (announced.draw == 0 || kind == EventKind::Timer4Tick),
               invariant::kOnePointPerResult, "result announced by the wrong handler" + during());
  REQUIRE_RULE(
      captionWritten[RecordingForm::Index(Label::Label5)] == (announced.player > 0) &&
          captionWritten[RecordingForm::Index(Label::Label4)] == (announced.computer > 0) &&
          captionWritten[RecordingForm::Index(Label::Label6)] == (announced.draw > 0) &&
          (announced.player == 0 || form.Caption(Label::Label5) == std::to_string(a.PlayerScore)) &&
          (announced.computer == 0 ||
           form.Caption(Label::Label4) == std::to_string(a.ComputerScore)) &&
          (announced.draw == 0 ||
           form.Caption(Label::Label6) == "Draw: " + std::to_string(a.DrawScore)),
      invariant::kScoreCaption,
      "captions \"" + form.Caption(Label::Label5) + "\" / \"" + form.Caption(Label::Label4) +
          "\" / \"" + form.Caption(Label::Label6) + "\"" + during());

  // New Game.
  if (kind == EventKind::NewGame) {
    ++tallies_.newGames;
    tallies_.resultsDiscardedByNewGame += b.WON != kNoResult;
    const bool noReplies = std::none_of(a.rdone.begin(), a.rdone.end(), [](bool r) { return r; });
    REQUIRE_RULE(EmptyAndFree(a.board) && noReplies && a.WON == kNoResult && a.tm == 0 &&
                     a.timer1On && a.timer4On && welcomeWritten && orangeWritten &&
                     form.Caption(Label::Label1) == kWelcomeCaption &&
                     form.foreColors[RecordingForm::Index(Label::Label1)] == kBannerOrange,
                 invariant::kNewGame, "WON " + std::to_string(a.WON) + during());
    if (auto violation = CheckNewGameKeeps(b, a, soundCount)) return With(*violation, during());
  }

  // Results: real, announced when due, and closing the match.
  if (announced.player > 0) {
    ++tallies_.playerWins;
    REQUIRE_RULE(b.WON == kPlayerWon && PlayerLine(a.board), invariant::kResultIsReal,
                 "player's win announced with WON " + std::to_string(b.WON) + during());
  }
  if (announced.computer > 0) {
    ++tallies_.computerWins;
    REQUIRE_RULE(b.WON == kComputerWon && ComputerLine(a.board) && !PlayerLine(a.board),
                 invariant::kResultIsReal,
                 "computer's win announced with WON " + std::to_string(b.WON) + during());
  }
  if (announced.draw > 0) {
    ++tallies_.draws;
    REQUIRE_RULE(
        b.WON == kNoResult && AllMarked(a.board) && !PlayerLine(a.board) && !ComputerLine(a.board),
        invariant::kResultIsReal, "draw announced" + during());
  }
  if (kind == EventKind::Timer3Tick) {
    REQUIRE_RULE((b.WON != kPlayerWon || announced.player == 1) &&
                     (b.WON != kComputerWon || announced.computer == 1),
                 invariant::kResultAnnounced,
                 "announcer ticked with WON " + std::to_string(b.WON) + during());
  }
  if (kind == EventKind::Timer4Tick && b.WON == kNoResult && AllMarked(b.board)) {
    REQUIRE_RULE(announced.draw == 1, invariant::kResultAnnounced,
                 "full board not declared a draw" + during());
  }
  if (announced.total() > 0) {
    REQUIRE_RULE(
        form.Caption(Label::Label1) == announced.Banner() &&
            form.foreColors[RecordingForm::Index(Label::Label1)] == announced.BannerColor(),
        invariant::kBanner, "banner \"" + form.Caption(Label::Label1) + "\"" + during());
    REQUIRE_RULE(
        AllLocked(a.board) && !a.timer4On && !a.timer1On && focusCalls > 0 && a.WON == kNoResult,
        invariant::kMatchClosed,
        "Timer4 " + std::to_string(a.timer4On) + ", Timer1 " + std::to_string(a.timer1On) +
            ", focus calls " + std::to_string(focusCalls) + ", WON " + std::to_string(a.WON) +
            during());
  }
  if (auto violation = CheckEndedStaysEnded(a)) return With(*violation, during());
  if (a.timer4On) {
    const bool playerLine = PlayerLine(a.board);
    const std::int16_t waiting =
        playerLine ? kPlayerWon : (ComputerLine(a.board) ? kComputerWon : kNoResult);
    REQUIRE_RULE(
        a.WON == waiting, invariant::kLineMeansResult,
        "WON " + std::to_string(a.WON) + ", expected " + std::to_string(waiting) + during());
  }

  if (auto violation = CheckClock(kind == EventKind::Timer1Tick, kind == EventKind::NewGame, b, a,
                                  clockWritten, form.Caption(Label::lbltime))) {
    return With(*violation, during());
  }

  // The level and the sound switch.
  const std::int16_t level =
      kind == EventKind::ChooseEasy ? 0 : (kind == EventKind::ChooseHard ? 1 : b.Hard);
  REQUIRE_RULE(a.Hard == level, invariant::kLevelAndSound,
               "Hard " + std::to_string(b.Hard) + " -> " + std::to_string(a.Hard) + during());
  if (kind == EventKind::SoundSwitch) {
    REQUIRE_RULE(a.Sound != b.Sound && form.Caption(Label::lblSound) == (a.Sound ? "On" : "Off"),
                 invariant::kLevelAndSound,
                 "Sound " + std::to_string(b.Sound) + " -> " + std::to_string(a.Sound) +
                     ", lblSound \"" + form.Caption(Label::lblSound) + "\"");
  } else {
    REQUIRE_RULE(a.Sound == b.Sound && !captionWritten[RecordingForm::Index(Label::lblSound)],
                 invariant::kLevelAndSound, "sound switch changed" + during());
  }
  switch (kind) {
    case EventKind::ChooseEasy:
    case EventKind::ChooseHard:
    case EventKind::SoundSwitch:
    case EventKind::FormMouseMove:
    case EventKind::CreditMouseMove:
    case EventKind::CreditClick: {
      Snapshot expected = b;
      expected.Hard = a.Hard;
      expected.Sound = a.Sound;
      expected.option1Selected = a.option1Selected;
      expected.option2Selected = a.option2Selected;
      REQUIRE_RULE(a == expected, invariant::kCommandsLeaveMatch, "state changed" + during());
      break;
    }
    default:
      break;
  }
  if (kind == EventKind::Timer3Tick && b.WON == kNoResult) {
    REQUIRE_RULE(a == b && form.calls.empty(), invariant::kIdleAnnouncer,
                 std::to_string(form.calls.size()) + " window calls" + during());
  }

  // Sounds: at most one per event, the one that belongs to its moment.
  std::string_view expectedSound;
  switch (kind) {
    case EventKind::Click:
      expectedSound = freeClick ? "click" : "";
      break;
    case EventKind::ChooseEasy:
    case EventKind::ChooseHard:
    case EventKind::SoundSwitch:
      expectedSound = "level";
      break;
    case EventKind::Timer3Tick:
      expectedSound = announced.player > 0 ? "youwon" : (announced.computer > 0 ? "compwon" : "");
      break;
    case EventKind::Timer4Tick:
      expectedSound = announced.draw > 0 ? "draw" : "";
      break;
    default:
      break;
  }
  // The switch plays "level" in both directions; everything else is silent
  // while sound is off.
  if (!b.Sound && kind != EventKind::SoundSwitch) expectedSound = "";
  REQUIRE_RULE(soundCount == (expectedSound.empty() ? 0 : 1) &&
                   (sound == nullptr || sound->text == expectedSound),
               invariant::kSounds,
               std::to_string(soundCount) + " sounds, last \"" +
                   (sound == nullptr ? std::string() : sound->text) + "\", expected \"" +
                   std::string(expectedSound) + "\"" + during());

  if (pacedMatch_) {
    if (auto violation = CheckNoCellWithBothMarks(a.board, invariant::kNeverBothMarks)) {
      return With(*violation, during());
    }
  }
  return std::nullopt;
}

}  // namespace trixola::reliability
