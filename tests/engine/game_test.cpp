// The game's operations as the window drives them: what the player hears,
// the score, the clock, and what New Game keeps.
#include "game.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace trixola {
namespace {

// Sounds as letters: c click, l level, y player won, k computer won, d draw.
struct Listener : GameListener {
  void PlaySound(SoundEffect effect) override { heard += "clykd"[static_cast<int>(effect)]; }
  void MatchOver(Outcome outcome) override { ended += "pcd"[static_cast<int>(outcome)]; }
  std::string heard;
  std::string ended;
};

// Digits play cells; n New Game, e Easy, h Hard, s the sound switch, t a
// second of the clock.
void Perform(Game& game, const std::string& script) {
  for (char step : script) {
    switch (step) {
      case 'n':
        game.NewMatch();
        break;
      case 'e':
        game.ChooseLevel(Level::Easy);
        break;
      case 'h':
        game.ChooseLevel(Level::Hard);
        break;
      case 's':
        game.SwitchSound();
        break;
      case 't':
        game.TickSecond();
        break;
      default:
        game.Play(step - '0');
    }
  }
}

struct Case {
  const char* script;
  const char* heard;
  const char* ended;
  int player, computer, draws;  // the score
  int seconds;
  int marks;  // on the board now
  bool over;
};

// At Easy: 1 3 2 wins for the player, 5 6 9 loses, 1 2 7 6 8 is a draw.
const Case kCases[] = {
    {"", "", "", 0, 0, 0, 0, 0, false},
    {"5", "c", "", 0, 0, 0, 0, 2, false},
    {"132", "cccy", "p", 1, 0, 0, 0, 6, true},
    {"569", "ccck", "c", 0, 1, 0, 0, 6, true},
    {"12768", "cccccd", "d", 0, 0, 1, 0, 9, true},
    // A taken cell, a cell outside the board and an ended match take no move.
    {"550a", "c", "", 0, 0, 0, 0, 2, false},
    {"5691", "ccck", "c", 0, 1, 0, 0, 6, true},
    // Sound off: silent play; the switch itself is heard both ways.
    {"s569", "l", "c", 0, 1, 0, 0, 6, true},
    {"ss5", "llc", "", 0, 0, 0, 0, 2, false},
    {"eh", "ll", "", 0, 0, 0, 0, 0, false},
    {"sh", "l", "", 0, 0, 0, 0, 0, false},
    // New Game keeps the score, clears the board and the clock, is silent.
    {"tt569n", "ccck", "c", 0, 1, 0, 0, 0, false},
    {"132n569n12768n5", "cccyccckcccccdc", "pcd", 1, 1, 1, 0, 2, false},
    // The clock runs from the start and stops with the match.
    {"ttt", "", "", 0, 0, 0, 3, 0, false},
    {"t569tt", "ccck", "c", 0, 1, 0, 1, 6, true},
    {"569ntt", "ccck", "c", 0, 1, 0, 2, 0, false},
};

class Scripts : public ::testing::TestWithParam<Case> {};

TEST_P(Scripts, Play) {
  const Case& c = GetParam();
  Listener listener;
  Game game(listener);
  Perform(game, c.script);
  EXPECT_EQ(listener.heard, c.heard);
  EXPECT_EQ(listener.ended, c.ended);
  EXPECT_EQ(game.score().Count(Outcome::PlayerWon), c.player);
  EXPECT_EQ(game.score().Count(Outcome::ComputerWon), c.computer);
  EXPECT_EQ(game.score().Count(Outcome::Draw), c.draws);
  EXPECT_EQ(game.Seconds(), c.seconds);
  int marks = 0;
  for (int cell = kFirstCell; cell <= kLastCell; ++cell) marks += game.board().IsFree(cell) ? 0 : 1;
  EXPECT_EQ(marks, c.marks);
  EXPECT_EQ(game.IsOver(), c.over);
}

INSTANTIATE_TEST_SUITE_P(Game, Scripts, ::testing::ValuesIn(kCases));

TEST(Game, LevelHoldsFromTheNextMoveAndThroughNewGame) {
  Listener listener;
  Game game(listener);
  Perform(game, "h2");
  EXPECT_EQ(game.board().At(5), Mark::Computer);  // at Easy the reply to 2 is 1
  Perform(game, "ne2");
  EXPECT_EQ(game.board().At(1), Mark::Computer);
  EXPECT_EQ(game.level(), Level::Easy);
  Perform(game, "sn");
  EXPECT_FALSE(game.IsSoundOn());
}

TEST(Game, CountsStopAtTheirLargestValue) {
  Listener listener;
  Game game(listener);
  for (int match = 0; match < 32770; ++match) Perform(game, "n132");
  EXPECT_EQ(game.score().Count(Outcome::PlayerWon), 32767);

  Counter<std::int32_t> seconds(std::numeric_limits<std::int32_t>::max() - 1);
  seconds.Raise();
  seconds.Raise();
  EXPECT_EQ(seconds.value(), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace trixola
