// Every word the window shows or tells a screen reader, in English as the
// source of every translation (translations/, see language.h).
//
// Texts are translated where they are used, through the catalogue installed
// in the application; with none installed they come out in English exactly
// as written here. A named text (kEasy) is a Text: it holds its English
// source and turns into the translated QString wherever a QString is wanted.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "board.h"
#include "cell_keys.h"
#include "match.h"

namespace trixola::texts {

// The catalogues' contexts: what the window shows, and what only a screen
// reader tells.
inline constexpr char kWindow[] = "Window";
inline constexpr char kScreenReader[] = "ScreenReader";

// A shown text in the player's language. A right-to-left translation is
// embedded right to left, so that it reads in its own order (numbers and
// punctuation included) in the window's left-to-right places.
inline QString Shown(const char* source, int n = -1) {
  const QString text = QCoreApplication::translate(kWindow, source, nullptr, n);
  if (!text.isRightToLeft()) return text;
  return QChar(u'\u202B') + text + QChar(u'\u202C');  // RIGHT-TO-LEFT EMBEDDING ... POP
}

// A text for a screen reader in the player's language.
inline QString Told(const char* source, int n = -1) {
  return QCoreApplication::translate(kScreenReader, source, nullptr, n);
}

// A named text: its English source, translated where it is used, as shown
// (ShownText) or as told to a screen reader (ToldText).
template <bool kIsShown>
class Text {
 public:
  constexpr explicit Text(const char* source) : source_(source) {}
  operator QString() const { return kIsShown ? Shown(source_) : Told(source_); }
  // The English source, which is also the text without a catalogue.
  constexpr const char* source() const { return source_; }

 private:
  const char* source_;
};
using ShownText = Text<true>;
using ToldText = Text<false>;

// The game's name and its author's stay as they are in every language.
inline const QString kTitle = QStringLiteral("Zembrik  TRIXOLA");
// While the pointer is over the credit picture.
inline const QString kCreditTitle = QStringLiteral(" TRIXOLA By Orvandel");
inline const QString kContactLink = QStringLiteral("mailto:orvandel@trixola.example.org");

inline constexpr ShownText kComputer{QT_TRANSLATE_NOOP("Window", "Computer")};
inline constexpr ShownText kYou{QT_TRANSLATE_NOOP("Window", "You")};
// The level options widen, and the sound switch moves right, for words
// longer than the design's room (game_window.cpp, layout::WidenedLevels).
//: Level option beside its radio button: use the word the desktop's games use; up to about 48
//: pixels of text fit (the options widen for it).
inline constexpr ShownText kEasy{QT_TRANSLATE_NOOP("Window", "Easy")};
//: Level option beside its radio button: use the word the desktop's games use; up to about 48
//: pixels of text fit (the options widen for it).
inline constexpr ShownText kHard{QT_TRANSLATE_NOOP("Window", "Hard")};
// The letter after "&" is the button's access key (Alt+letter); the two
// buttons' keys differ in every language.
//: Button, 81 pixels wide. The letter after & is its access key; it must differ from Exit's.
inline constexpr ShownText kNewGame{QT_TRANSLATE_NOOP("Window", "&New Game")};
//: Button, 81 pixels wide. The letter after & is its access key; it must differ from New Game's.
inline constexpr ShownText kExit{QT_TRANSLATE_NOOP("Window", "&Exit")};
inline constexpr ShownText kSoundTip{QT_TRANSLATE_NOOP("Window", "Sound On/Off")};

// The banner: the welcome while a match runs, then how it ended (English
// source; Banner() is the text shown).
inline const char* BannerSource(std::optional<Outcome> outcome) {
  //: Banner, shouted (in capitals where the language has them): 161 x 89 pixels in a 24-pixel font,
  //: three lines at most. TRIXOLA is the game's name.
  if (!outcome) return QT_TRANSLATE_NOOP("Window", "WELCOME TO TRIXOLA");
  switch (*outcome) {
    case Outcome::PlayerWon:
      //: Banner; the two leading spaces centre the English text and need not be kept.
      return QT_TRANSLATE_NOOP("Window", "  YOU WON THE GAME");
    case Outcome::ComputerWon:
      return QT_TRANSLATE_NOOP("Window", "COMPUTER WON THE GAME");
    case Outcome::Draw:
      break;
  }
  return QT_TRANSLATE_NOOP("Window", "THE MATCH IS DRAW");
}

inline QString Banner(std::optional<Outcome> outcome) {
  return Shown(BannerSource(outcome));
}

// A score count as shown beside its colour box, or under them for draws.
// Nothing until the first match of its kind has been counted.
inline QString ScoreCaption(Outcome outcome, int count) {
  if (count == 0) return {};
  if (outcome != Outcome::Draw) return QString::number(count);
  return Shown(QT_TRANSLATE_NOOP("Window", "Draw: %1")).arg(count);
}

inline QString ClockCaption(int seconds) {
  //: The match's clock, 81 pixels wide; %n counts from 1 to thousands.
  return Shown(QT_TRANSLATE_N_NOOP("Window", "%n Seconds"), seconds);
}

inline QString SoundCaption(bool on) {
  //: Beside the sound switch: the sound is on / off, in the words the desktop uses for a switch
  //: (not yes / no); about 80 pixels.
  return on ? Shown(QT_TRANSLATE_NOOP("Window", "On")) : Shown(QT_TRANSLATE_NOOP("Window", "Off"));
}

// ---- For screen readers ----

inline constexpr ToldText kWindowDescription{
    QT_TRANSLATE_NOOP("ScreenReader", "Noughts and crosses against the computer")};
inline constexpr ToldText kBannerDescription{QT_TRANSLATE_NOOP("ScreenReader", "Game status")};
inline constexpr ToldText kLevelDescription{QT_TRANSLATE_NOOP("ScreenReader", "Level")};
inline constexpr ToldText kSoundDescription{
    QT_TRANSLATE_NOOP("ScreenReader", "Turns the sound effects on or off")};
inline constexpr ToldText kNewGameDescription{
    QT_TRANSLATE_NOOP("ScreenReader", "Starts a new match; the score is kept")};
inline constexpr ToldText kExitDescription{QT_TRANSLATE_NOOP("ScreenReader", "Ends the game")};
inline constexpr ToldText kCreditName{QT_TRANSLATE_NOOP("ScreenReader", "Contact the author")};
inline constexpr ToldText kCreditDescription{
    QT_TRANSLATE_NOOP("ScreenReader", "Writes an e-mail to the author")};
inline constexpr ToldText kClockDescription{
    QT_TRANSLATE_NOOP("ScreenReader", "Time in this match")};

inline QString CellName(int cell, Mark mark) {
  const char* name = mark == Mark::Player ? QT_TRANSLATE_NOOP("ScreenReader", "Cell %1: yours")
                     : mark == Mark::Computer
                         ? QT_TRANSLATE_NOOP("ScreenReader", "Cell %1: computer's")
                         : QT_TRANSLATE_NOOP("ScreenReader", "Cell %1: empty");
  return Told(name).arg(cell);
}

// Where the cell is and the keys that play it: its number, and the keypad
// key that stands in its place (a screen reader may keep the keypad for its
// own commands, as Orca's desktop layout does).
inline QString CellDescription(int cell) {
  static const char* const kPlaces[] = {QT_TRANSLATE_NOOP("ScreenReader", "Top left"),
                                        QT_TRANSLATE_NOOP("ScreenReader", "Top middle"),
                                        QT_TRANSLATE_NOOP("ScreenReader", "Top right"),
                                        QT_TRANSLATE_NOOP("ScreenReader", "Middle left"),
                                        QT_TRANSLATE_NOOP("ScreenReader", "Centre"),
                                        QT_TRANSLATE_NOOP("ScreenReader", "Middle right"),
                                        QT_TRANSLATE_NOOP("ScreenReader", "Bottom left"),
                                        QT_TRANSLATE_NOOP("ScreenReader", "Bottom middle"),
                                        QT_TRANSLATE_NOOP("ScreenReader", "Bottom right")};
  const auto index = static_cast<std::size_t>(cell - kFirstCell);
  return Told(QT_TRANSLATE_NOOP(
                  "ScreenReader",
                  "%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it"))
      .arg(Told(kPlaces[index]))
      .arg(cell)
      .arg(kCellKeys[index].keypadDigit);
}

inline QString ScoreName(Outcome outcome, int count) {
  const char* name = outcome == Outcome::PlayerWon ? QT_TRANSLATE_NOOP("ScreenReader", "You: %1")
                     : outcome == Outcome::ComputerWon
                         ? QT_TRANSLATE_NOOP("ScreenReader", "Computer: %1")
                         : QT_TRANSLATE_NOOP("ScreenReader", "Draw: %1");
  return Told(name).arg(count);
}

inline QString ScoreDescription(Outcome outcome) {
  switch (outcome) {
    case Outcome::PlayerWon:
      return Told(QT_TRANSLATE_NOOP("ScreenReader", "Matches you have won"));
    case Outcome::ComputerWon:
      return Told(QT_TRANSLATE_NOOP("ScreenReader", "Matches the computer has won"));
    case Outcome::Draw:
      break;
  }
  return Told(QT_TRANSLATE_NOOP("ScreenReader", "Drawn matches"));
}

// The clock's name counts from 0 while its caption is still empty.
inline QString ClockName(int shownSeconds) {
  return Told(QT_TRANSLATE_N_NOOP("ScreenReader", "Time: %n Seconds"), shownSeconds);
}

inline QString SoundName(bool on) {
  return on ? Told(QT_TRANSLATE_NOOP("ScreenReader", "Sound on"))
            : Told(QT_TRANSLATE_NOOP("ScreenReader", "Sound off"));
}

// ---- Spoken by a screen reader as things happen ----

// After a move: the cell the player took and the cell the computer answered
// with, if it did (it does not when the player's move fills the board).
inline QString MoveAnnouncement(int playerCell, std::optional<int> computerCell) {
  QString told = Told(QT_TRANSLATE_NOOP("ScreenReader", "Cell %1: yours.")).arg(playerCell);
  if (computerCell) {
    //: Follows "Cell %1: yours." in the same announcement; the leading space separates the two.
    told += Told(QT_TRANSLATE_NOOP("ScreenReader", " Computer: cell %1.")).arg(*computerCell);
  }
  return told;
}

// At the end of a match: the result as the banner shows it, then the score.
inline QString ResultAnnouncement(Outcome outcome, int playerWins, int computerWins, int draws) {
  //: %1 is the banner's result text; %2 to %4 are the score: matches won by the player, by the
  //: computer, drawn.
  return Told(QT_TRANSLATE_NOOP("ScreenReader", "%1. You %2, computer %3, draws %4."))
      .arg(QCoreApplication::translate(kWindow, BannerSource(outcome)).trimmed())
      .arg(playerWins)
      .arg(computerWins)
      .arg(draws);
}

inline QString NewMatchAnnouncement() {
  return Told(QT_TRANSLATE_NOOP("ScreenReader", "New match. The board is empty."));
}

}  // namespace trixola::texts
