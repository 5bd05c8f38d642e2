// The rules that must hold after every event the window delivers, checked by
// comparing the state after the event with a copy taken before it and with
// the calls the event made to the window. The views and rules declared before
// InvariantChecker serve the window's checker (window_checker.h) as well.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "engine/board.h"
#include "engine/game.h"
#include "tests/reliability/events.h"
#include "tests/reliability/recording_form.h"

namespace trixola::reliability {

// The names under which a broken rule is reported.
namespace invariant {
inline constexpr std::string_view kStartUp = "start-up state";
inline constexpr std::string_view kWonRange = "WON is 3, 1 or 0";
inline constexpr std::string_view kLockedStaysLocked = "a locked cell stays locked until New Game";
inline constexpr std::string_view kMarksStay = "marks stay until New Game";
inline constexpr std::string_view kMarksOnlyFromClicks = "only a click adds marks";
inline constexpr std::string_view kClickMarksAndLocks = "a click marks and locks its cell";
inline constexpr std::string_view kOneComputerMark = "at most one computer mark per click";
inline constexpr std::string_view kLockedClickInert = "a click on a locked cell changes nothing";
inline constexpr std::string_view kScoresNeverDecrease = "score counters never decrease";
inline constexpr std::string_view kOnePointPerResult = "one point per announced result";
inline constexpr std::string_view kScoreCaption = "score caption shows the new count";
inline constexpr std::string_view kBanner = "the banner shows the announced result";
inline constexpr std::string_view kResultIsReal = "an announced result is on the board";
inline constexpr std::string_view kResultAnnounced =
    "a waiting result is announced at the next tick";
inline constexpr std::string_view kMatchClosed = "a result closes the match";
inline constexpr std::string_view kEndedStaysEnded = "an ended match stays ended until New Game";
inline constexpr std::string_view kLineMeansResult =
    "a complete line on a running board waits in WON";
inline constexpr std::string_view kClock = "the clock counts and shows its seconds";
inline constexpr std::string_view kNewGame = "New Game starts an empty match";
inline constexpr std::string_view kNewGameKeeps = "New Game keeps scores, level and sound";
inline constexpr std::string_view kLevelAndSound =
    "level and sound switch change only by their controls";
inline constexpr std::string_view kCommandsLeaveMatch = "window commands leave the match alone";
inline constexpr std::string_view kIdleAnnouncer = "the announcer without a result changes nothing";
inline constexpr std::string_view kSilentWhenOff = "no sound while sound is off";
inline constexpr std::string_view kSounds = "each moment plays its own sound";
inline constexpr std::string_view kNeverBothMarks =
    "no cell shows both marks when the lock-down ticks after every click";
}  // namespace invariant

struct Violation {
  std::string_view invariant;
  std::string detail;
};

// Returns the broken rule from the enclosing check; the detail text is built
// only when the condition fails.
#define REQUIRE_RULE(condition, rule, detail)             \
  do {                                                    \
    if (!(condition)) return Violation{(rule), (detail)}; \
  } while (false)

// `violation` with `context` added to its detail.
inline Violation With(Violation violation, const std::string& context) {
  violation.detail += context;
  return violation;
}

// What the game holds and whether Timer1 and Timer4 run: what the bare game
// and the window have alike.
struct MatchState {
  Board board;
  std::int16_t ImageNumber = 0;
  std::int16_t WON = 0;
  bool Done = false;
  std::array<bool, 10> rdone{};
  std::int16_t Hard = 0;
  std::int32_t tm = 0;
  bool Sound = false;
  std::int16_t PlayerScore = 0;
  std::int16_t ComputerScore = 0;
  std::int16_t DrawScore = 0;
  bool timer1On = false;
  bool timer4On = false;

  static MatchState Of(const Game& game, bool timer1On, bool timer4On);
  friend bool operator==(const MatchState&, const MatchState&) = default;
};

// Everything a handler can change, in one comparable value. Captions are not
// copied: they change only through calls, which the form records per event.
struct Snapshot : MatchState {
  bool option1Selected = false;
  bool option2Selected = false;

  static Snapshot Take(const Game& game, const RecordingForm& form);
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

// The results announced on the banner during one event.
struct Announcements {
  int player = 0;
  int computer = 0;
  int draw = 0;

  // Counts a caption written to `label`.
  void Note(Label label, std::string_view caption);
  int total() const { return player + computer + draw; }
  // The banner's caption and colour for the result announced; total() > 0.
  std::string_view Banner() const;
  std::uint32_t BannerColor() const { return draw > 0 ? kBannerWhite : kBannerGreen; }
};

// Views of a board. Picture: cell by cell, L locked or . free, then p, c or
// * for the marks shown.
bool PlayerLine(const Board& board);
bool ComputerLine(const Board& board);
bool AllMarked(const Board& board);
bool AllLocked(const Board& board);
bool EmptyAndFree(const Board& board);
std::string Picture(const Board& board);
std::string Cell(int n);

struct Marks {
  int player = 0;
  int computer = 0;
};
// The marks `after` shows that `before` did not.
Marks NewMarks(const Board& before, const Board& after);

// What a counter must hold after `times` announcements: one more each time,
// stopping at the largest value its type holds.
template <typename Count>
Count Raised(Count count, int times) {
  for (int i = 0; i < times; ++i) {
    if (count < std::numeric_limits<Count>::max()) count = static_cast<Count>(count + 1);
  }
  return count;
}

// Rules both checkers apply to the state before (b) and after (a) an event.
// A broken rule comes back without the event's context; see With.
// Locked cells stay locked and marks stay (not for New Game).
std::optional<Violation> CheckBoardKept(const Board& b, const Board& a);
// Counters never go down, and go up by the results announced.
std::optional<Violation> CheckScores(const MatchState& b, const MatchState& a,
                                     const Announcements& announced);
// The clock: a tick counts one second and writes it to lbltime; nothing else
// changes tm or writes lbltime, except that New Game sets tm to 0.
std::optional<Violation> CheckClock(bool tick, bool newGame, const MatchState& b,
                                    const MatchState& a, bool clockWritten,
                                    const std::string& clockCaption);
// New Game keeps the scores, the level and the sound switch, and is silent.
std::optional<Violation> CheckNewGameKeeps(const MatchState& b, const MatchState& a, int sounds);
// Timer1 and Timer4 stop together, only on a closed board with no result waiting.
std::optional<Violation> CheckEndedStaysEnded(const MatchState& a);
// No cell shows both marks.
std::optional<Violation> CheckNoCellWithBothMarks(const Board& board, std::string_view rule);

// What the runs went through, to show that the sequences reach the
// interesting states.
struct Tallies {
  std::uint64_t events = 0;
  std::uint64_t playerWins = 0;
  std::uint64_t computerWins = 0;
  std::uint64_t draws = 0;
  std::uint64_t freeClicks = 0;
  std::uint64_t lockedClicks = 0;
  std::uint64_t clicksOnUnlockedComputerMark = 0;
  // Clicks on a free cell with no lock-down tick since the previous click:
  // none in the real window, where the detectors tick after every click.
  std::uint64_t clicksBeforeLockDown = 0;
  std::uint64_t resultsDiscardedByNewGame = 0;
  std::uint64_t newGames = 0;

  Tallies& operator+=(const Tallies& other);
};

class InvariantChecker {
 public:
  // The state right after Form_Load.
  std::optional<Violation> CheckStartUp(const Game& game, const RecordingForm& form);
  void BeforeEvent(const Event& event, const Game& game, const RecordingForm& form);
  std::optional<Violation> AfterEvent(const Event& event, const Game& game,
                                      const RecordingForm& form);

  const Tallies& tallies() const { return tallies_; }

 private:
  std::optional<Violation> CheckEvent(const Event& event, const Snapshot& after,
                                      const RecordingForm& form);

  Snapshot before_;
  // Whether every click of this match came after a lock-down tick that
  // followed the previous click, as in the real window.
  bool lockDownSinceClick_ = true;
  bool pacedMatch_ = true;
  Tallies tallies_;
};

}  // namespace trixola::reliability
