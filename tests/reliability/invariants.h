// The rules that must hold after every event the window delivers, checked by
// comparing the state after the event with a copy taken before it and with
// the calls the event made to the window.
#pragma once

#include <array>
#include <cstdint>
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

// Everything a handler can change, in one comparable value. Captions are not
// copied: they change only through calls, which the form records per event.
struct Snapshot {
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
  bool option1Selected = false;
  bool option2Selected = false;

  static Snapshot Take(const Game& game, const RecordingForm& form);
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

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
