// The three timer handlers: lock-down and draw detection, the result
// announcer and the clock.
#include "engine/counters.h"
#include "engine/game.h"

namespace trixola {

void Game::CloseMatch() {
  form_.SetTimerEnabled(Timer::Timer4, false);
  DisableCells();
  form_.FocusCommand2();
  form_.SetTimerEnabled(Timer::Timer1, false);
  WON = kNoResult;
}

void Game::Timer4_Timer() {
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    if (board.HasPlayerMark(n) || board.HasComputerMark(n)) board.LockCell(n);
  }
  if (WON != kNoResult) return;
  for (int n = kFirstCell; n <= kLastCell; ++n) {
    if (board.IsCellFree(n)) return;
  }
  RaiseCount(DrawScore);
  form_.SetCaption(Label::Label6, "Draw: " + CountText(DrawScore));
  form_.SetCaption(Label::Label1, kDrawCaption);
  form_.SetForeColor(Label::Label1, kBannerWhite);
  PlaySound("draw");
  CloseMatch();
}

// At most one result per tick: announcing the player's win leaves WON at 3.
void Game::Timer3_Timer() {
  if (WON == kPlayerWon) {
    form_.SetCaption(Label::Label1, kPlayerWonCaption);
    RaiseCount(PlayerScore);
    form_.SetCaption(Label::Label5, CountText(PlayerScore));
    form_.SetForeColor(Label::Label1, kBannerGreen);
    PlaySound("youwon");
    CloseMatch();
  }
  if (WON == kComputerWon) {
    form_.SetCaption(Label::Label1, kComputerWonCaption);
    RaiseCount(ComputerScore);
    form_.SetCaption(Label::Label4, CountText(ComputerScore));
    form_.SetForeColor(Label::Label1, kBannerGreen);
    PlaySound("compwon");
    CloseMatch();
  }
}

void Game::Timer1_Timer() {
  RaiseCount(tm);
  form_.SetCaption(Label::lbltime, CountText(tm) + " Seconds");
}

void Game::ResetMatchState() {
  WON = kNoResult;
  for (int n = kFirstCell; n <= kLastCell; ++n) rdone[static_cast<std::size_t>(n)] = false;
  form_.SetCaption(Label::Label1, kWelcomeCaption);
  form_.SetForeColor(Label::Label1, kBannerOrange);
}

// New Game: the score, the level and the sound switch carry over.
void Game::Command2_Click() {
  HideMarks();
  EnableCells();
  ResetMatchState();
  form_.SetTimerEnabled(Timer::Timer4, true);
  tm = 0;
  form_.SetTimerEnabled(Timer::Timer1, true);
}

}  // namespace trixola
