// The game's operations as the window drives them: what the player hears,
// the score, the clock, the board, and what New Game keeps.
#include "game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace trixola {
namespace {

// What the game tells: sounds as small letters (c click, l level, y player
// won, k computer won, d draw), ends of matches as capitals (P player won,
// C computer won, D draw).
struct Listener : GameListener {
  void PlaySound(SoundEffect effect) override { heard += "clykd"[static_cast<int>(effect)]; }
  void MatchOver(Outcome outcome) override { heard += "PCD"[static_cast<int>(outcome)]; }
  std::string heard;
};

// Digits play cells (':' is cell 10); n New Game, e Easy, h Hard, s the
// sound switch, t a second of the clock.
void Perform(Game& game, const std::string& script) {
  for (char step : script) {
    if (step <= ':') game.Play(step - '0');
    if (step == 'n') game.NewMatch();
    if (step == 'e' || step == 'h') game.ChooseLevel(step == 'e' ? Level::Easy : Level::Hard);
    if (step == 's') game.SwitchSound();
    if (step == 't') game.TickSecond();
  }
}

// The board: x the player's mark, o the computer's, . empty; cell 1 first.
struct Case {
  const char *script, *heard, *board;
  int seconds;
};

// At Easy: 1 3 2 wins for the player, 5 6 9 loses, 1 2 7 6 8 is a draw.
const Case kCases[] = {
    // A taken cell, cells off the board and an ended match take no move.
    {"550:", "c", "...ox....", 0},
    {"5691", "ccckC", "o..oxxo.x", 0},
    // Sound off: silent play; the switch itself is heard both ways.
    {"s569", "lC", "o..oxxo.x", 0},
    {"ss5", "llc", "...ox....", 0},
    // Choosing a level is heard, unless the sound is off, and plays no move.
    {"eh", "ll", ".........", 0},
    {"sh", "l", ".........", 0},
    // The level holds from the next move, and through New Game, as the
    // sound switch does; at Easy the reply to 2 is 1, at Hard the centre.
    {"h2ne2", "lclc", "ox.......", 0},
    {"hn2", "lc", ".x..o....", 0},
    {"sn5", "l", "...ox....", 0},
    // New Game keeps the score, clears the board, and is silent.
    {"132n569n12768n5", "cccyPccckCcccccdDc", "...ox....", 0},
    // The clock runs from the start, stops with the match and starts again
    // from 0 with New Game.
    {"t569tt", "ccckC", "o..oxxo.x", 1},
    {"tt569ntt", "ccckC", ".........", 2},
};

class Scripts : public ::testing::TestWithParam<Case> {};

TEST_P(Scripts, Play) {
  const Case& c = GetParam();
  Listener listener;
  Game game(listener);
  Perform(game, c.script);
  EXPECT_EQ(listener.heard, c.heard);
  // The score counts every match that has ended, and only those.
  for (int o = 0; o < 3; ++o)
    EXPECT_EQ(game.score().Count(Outcome(o)), std::ranges::count(listener.heard, "PCD"[o]));
  EXPECT_EQ(game.Seconds(), c.seconds);
  EXPECT_EQ(game.IsSoundOn(), std::ranges::count(std::string(c.script), 's') % 2 == 0);
  std::string board;
  for (int cell = kFirstCell; cell <= kLastCell; ++cell) board += ".xo"[int(game.board().At(cell))];
  EXPECT_EQ(board, c.board);
}

INSTANTIATE_TEST_SUITE_P(Game, Scripts, ::testing::ValuesIn(kCases));

// Counts stop at their largest value instead of wrapping round.
TEST(Game, CountsStopAtTheirLargestValue) {
  Listener listener;
  Game game(listener);
  for (int match = 0; match < 32770; ++match) Perform(game, "n132");
  EXPECT_EQ(game.score().Count(Outcome::PlayerWon), 32767);
}

}  // namespace
}  // namespace trixola
