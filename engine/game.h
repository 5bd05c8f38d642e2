// The game window's state and handlers, without the window: the board, the
// window variables, the score counters, the turn, the result check, the three
// timer handlers, New Game and the window commands. Everything it does to the
// window on screen goes through a FormPort.
//
// Handlers and routines talk to each other only through these public
// variables and the board, as the window's own code would.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/board.h"
#include "engine/form_port.h"

namespace trixola {

// Values of WON.
inline constexpr std::int16_t kNoResult = 3;
inline constexpr std::int16_t kPlayerWon = 1;
inline constexpr std::int16_t kComputerWon = 0;

// Banner colours, 0x00BBGGRR.
inline constexpr std::uint32_t kBannerOrange = 33023;  // 0x0080FF
inline constexpr std::uint32_t kBannerGreen = 0x00C000;
inline constexpr std::uint32_t kBannerWhite = 0xFFFFFF;

inline constexpr std::string_view kWelcomeCaption = "WELCOME TO TRIXOLA";
inline constexpr std::string_view kPlayerWonCaption = "  YOU WON THE GAME";
inline constexpr std::string_view kComputerWonCaption = "COMPUTER WON THE GAME";
inline constexpr std::string_view kDrawCaption = "THE MATCH IS DRAW";
inline constexpr std::string_view kTitleCaption = "Zembrik  TRIXOLA";
inline constexpr std::string_view kCreditCaption = " TRIXOLA By Orvandel";

// Where the credit picture's contact link goes.
inline constexpr std::string_view kContactAddress = "orvandel@trixola.example.org";

class Game {
 public:
  explicit Game(FormPort& form) : form_(form) {}

  // ---- Window variables (zero or false when the window is created) ----
  std::int16_t ImageNumber = 0;
  std::int16_t WON = 0;
  bool Done = false;
  // r1done..r9done as rdone[1]..rdone[9]; rdone[0] is unused.
  std::array<bool, 10> rdone{};
  std::int16_t Hard = 0;
  std::int32_t tm = 0;
  bool Sound = false;

  // ---- Score counters: never reset while the program runs ----
  std::int16_t PlayerScore = 0;
  std::int16_t ComputerScore = 0;
  std::int16_t DrawScore = 0;

  Board board;

  // ---- Window events ----
  void Form_Load();
  void Form_MouseMove();
  void Image10_MouseMove();
  void Image10_Click();
  void Command1_Click();
  void Option1_Click();
  void Option2_Click();
  void imgSound_Click();
  // Image1_Click..Image9_Click: the player's turn on cell n. A locked cell's
  // click target is disabled and raises no click, so a click on it (or on a
  // number outside 1..9) does nothing.
  void Image_Click(int n);
  // New Game.
  void Command2_Click();
  // Lock-down and draw detector, 1 ms.
  void Timer4_Timer();
  // Result announcer, 1 ms, always on.
  void Timer3_Timer();
  // The clock, 1000 ms.
  void Timer1_Timer();

  // ---- Routines of the turn ----
  void CheckWinner();
  void TakeFirstFreeCell();
  void CompleteOwnLine();  // strategy/line_moves.cpp
  void BlockPlayerLine();  // strategy/line_moves.cpp
  void RespondToMove();    // strategy/response_table.cpp
  // Plays a named sound while Sound is on; touches nothing otherwise.
  void PlaySound(std::string_view name);

 private:
  // The walk over LineMoveChecks shared by CompleteOwnLine and BlockPlayerLine.
  void MakeLineMove(bool (Board::*holds)(int) const);
  void HideMarks() { board.HideMarks(); }
  void EnableCells() { board.EnableCells(); }
  void DisableCells() { board.DisableCells(); }
  void ResetMatchState();
  // The five steps with which both detectors end a match.
  void CloseMatch();
  void ChooseLevel(Option option, std::int16_t level);

  FormPort& form_;
};

}  // namespace trixola
