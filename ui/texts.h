// Every word the window shows or tells a screen reader.
#pragma once

#include <QString>
#include <optional>

#include "board.h"
#include "cell_keys.h"
#include "match.h"

namespace trixola::texts {

inline const QString kTitle = QStringLiteral("Zembrik  TRIXOLA");
// While the pointer is over the credit picture.
inline const QString kCreditTitle = QStringLiteral(" TRIXOLA By Orvandel");
inline const QString kContactLink = QStringLiteral("mailto:orvandel@trixola.example.org");

inline const QString kComputer = QStringLiteral("Computer");
inline const QString kYou = QStringLiteral("You");
inline const QString kEasy = QStringLiteral("Easy");
inline const QString kHard = QStringLiteral("Hard");
inline const QString kNewGame = QStringLiteral("&New Game");
inline const QString kExit = QStringLiteral("&Exit");
inline const QString kSoundTip = QStringLiteral("Sound On/Off");

// The banner: the welcome while a match runs, then how it ended.
inline QString Banner(std::optional<Outcome> outcome) {
  if (!outcome) return QStringLiteral("WELCOME TO TRIXOLA");
  switch (*outcome) {
    case Outcome::PlayerWon:
      return QStringLiteral("  YOU WON THE GAME");
    case Outcome::ComputerWon:
      return QStringLiteral("COMPUTER WON THE GAME");
    case Outcome::Draw:
      break;
  }
  return QStringLiteral("THE MATCH IS DRAW");
}

// A score count as shown beside its colour box, or under them for draws.
// Nothing until the first match of its kind has been counted.
inline QString ScoreCaption(Outcome outcome, int count) {
  if (count == 0) return {};
  const QString number = QString::number(count);
  return outcome == Outcome::Draw ? QStringLiteral("Draw: ") + number : number;
}

inline QString ClockCaption(int seconds) {
  return QString::number(seconds) + QStringLiteral(" Seconds");
}

inline QString SoundCaption(bool on) {
  return on ? QStringLiteral("On") : QStringLiteral("Off");
}

// ---- For screen readers ----

inline const QString kWindowDescription =
    QStringLiteral("Noughts and crosses against the computer");
inline const QString kBannerDescription = QStringLiteral("Game status");
inline const QString kLevelDescription = QStringLiteral("Level");
inline const QString kSoundDescription = QStringLiteral("Turns the sound effects on or off");
inline const QString kNewGameDescription = QStringLiteral("Starts a new match; the score is kept");
inline const QString kExitDescription = QStringLiteral("Ends the game");
inline const QString kCreditName = QStringLiteral("Contact the author");
inline const QString kCreditDescription = QStringLiteral("Writes an e-mail to the author");
inline const QString kClockDescription = QStringLiteral("Time in this match");

inline QString CellName(int cell, Mark mark) {
  const char* holds = mark == Mark::Player     ? "yours"
                      : mark == Mark::Computer ? "computer's"
                                               : "empty";
  return QStringLiteral("Cell %1: %2").arg(cell).arg(QLatin1String(holds));
}

// Where the cell is and the keys that play it: its number, and the keypad
// key that stands in its place (a screen reader may keep the keypad for its
// own commands, as Orca's desktop layout does).
inline QString CellDescription(int cell) {
  static const char* const kPlaces[] = {"Top left",    "Top middle",    "Top right",
                                        "Middle left", "Centre",        "Middle right",
                                        "Bottom left", "Bottom middle", "Bottom right"};
  const auto index = static_cast<std::size_t>(cell - kFirstCell);
  return QStringLiteral(
             "%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it")
      .arg(QLatin1String(kPlaces[index]))
      .arg(cell)
      .arg(kCellKeys[index].keypadDigit);
}

inline QString ScoreName(Outcome outcome, int count) {
  const char* side = outcome == Outcome::PlayerWon     ? "You: "
                     : outcome == Outcome::ComputerWon ? "Computer: "
                                                       : "Draw: ";
  return QLatin1String(side) + QString::number(count);
}

inline QString ScoreDescription(Outcome outcome) {
  switch (outcome) {
    case Outcome::PlayerWon:
      return QStringLiteral("Matches you have won");
    case Outcome::ComputerWon:
      return QStringLiteral("Matches the computer has won");
    case Outcome::Draw:
      break;
  }
  return QStringLiteral("Drawn matches");
}

// The clock's name counts from 0 while its caption is still empty.
inline QString ClockName(int shownSeconds) {
  return QStringLiteral("Time: %1 Seconds").arg(shownSeconds);
}

inline QString SoundName(bool on) {
  return on ? QStringLiteral("Sound on") : QStringLiteral("Sound off");
}

// ---- Spoken by a screen reader as things happen ----

// After a move: the cell the player took and, if the match goes on or the
// computer's reply ended it, the cell the computer answered with.
inline QString MoveAnnouncement(int playerCell, std::optional<int> computerCell) {
  QString told = QStringLiteral("Cell %1: yours.").arg(playerCell);
  if (computerCell) told += QStringLiteral(" Computer: cell %1.").arg(*computerCell);
  return told;
}

// At the end of a match: the result as the banner shows it, then the score.
inline QString ResultAnnouncement(Outcome outcome, int playerWins, int computerWins, int draws) {
  return QStringLiteral("%1. You %2, computer %3, draws %4.")
      .arg(Banner(outcome).trimmed())
      .arg(playerWins)
      .arg(computerWins)
      .arg(draws);
}

inline QString NewMatchAnnouncement() {
  return QStringLiteral("New match. The board is empty.");
}

}  // namespace trixola::texts
