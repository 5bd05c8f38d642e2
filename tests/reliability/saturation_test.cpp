// Counters at the top of their type: the score counters (16-bit) and the
// match clock tm (32-bit) stop at their largest value instead of wrapping,
// and their captions keep showing it through further results and ticks.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/reliability/event_runner.h"

namespace trixola::reliability {
namespace {

constexpr std::int16_t kScoreMax = 32767;
constexpr std::int32_t kClockMax = 2147483647;

// Shortest click orders at "Easy" that end in each result, with both
// detectors ticking after every click.
const std::vector<int> kPlayerWinsClicks{1, 3, 2};
const std::vector<int> kComputerWinsClicks{1, 2, 4};
const std::vector<int> kDrawClicks{1, 2, 7, 6, 8};

// One match from New Game to its announced result.
void PlayMatch(Session& session, const std::vector<int>& clicks) {
  session.game.Command2_Click();
  for (int cell : clicks) {
    session.game.Image_Click(cell);
    if (session.form.timer4On) session.game.Timer4_Timer();
    session.game.Timer3_Timer();
  }
}

struct SaturationCase {
  std::string_view name;
  std::function<void(Game&)> start;     // sets the counter near or at its top
  std::function<void(Session&)> round;  // one more result or tick
  std::function<std::int64_t(const Game&)> value;
  std::int64_t expectedValue;
  Label label;
  std::string expectedCaption;
  std::string_view expectedBanner;  // empty: the round announces nothing
};

void PrintTo(const SaturationCase& c, std::ostream* out) {
  *out << c.name;
}

const std::vector<SaturationCase>& Cases() {
  const auto playerWins = [](Session& s) { PlayMatch(s, kPlayerWinsClicks); };
  const auto computerWins = [](Session& s) { PlayMatch(s, kComputerWinsClicks); };
  const auto draw = [](Session& s) { PlayMatch(s, kDrawClicks); };
  const auto tick = [](Session& s) { s.game.Timer1_Timer(); };
  const auto player = [](const Game& g) -> std::int64_t { return g.PlayerScore; };
  const auto computer = [](const Game& g) -> std::int64_t { return g.ComputerScore; };
  const auto draws = [](const Game& g) -> std::int64_t { return g.DrawScore; };
  const auto clock = [](const Game& g) -> std::int64_t { return g.tm; };
  static const std::vector<SaturationCase> cases{
      {"PlayerAtTop", [](Game& g) { g.PlayerScore = kScoreMax; }, playerWins, player, kScoreMax,
       Label::Label5, "32767", kPlayerWonCaption},
      {"PlayerOneBelowTop", [](Game& g) { g.PlayerScore = kScoreMax - 1; }, playerWins, player,
       kScoreMax, Label::Label5, "32767", kPlayerWonCaption},
      {"ComputerAtTop", [](Game& g) { g.ComputerScore = kScoreMax; }, computerWins, computer,
       kScoreMax, Label::Label4, "32767", kComputerWonCaption},
      {"ComputerOneBelowTop", [](Game& g) { g.ComputerScore = kScoreMax - 1; }, computerWins,
       computer, kScoreMax, Label::Label4, "32767", kComputerWonCaption},
      {"DrawsAtTop", [](Game& g) { g.DrawScore = kScoreMax; }, draw, draws, kScoreMax,
       Label::Label6, "Draw: 32767", kDrawCaption},
      {"DrawsOneBelowTop", [](Game& g) { g.DrawScore = kScoreMax - 1; }, draw, draws, kScoreMax,
       Label::Label6, "Draw: 32767", kDrawCaption},
      {"ClockAtTop", [](Game& g) { g.tm = kClockMax; }, tick, clock, kClockMax, Label::lbltime,
       "2147483647 Seconds", ""},
      {"ClockOneBelowTop", [](Game& g) { g.tm = kClockMax - 1; }, tick, clock, kClockMax,
       Label::lbltime, "2147483647 Seconds", ""},
  };
  return cases;
}

class Saturation : public ::testing::TestWithParam<SaturationCase> {};

TEST_P(Saturation, CounterHoldsItsTopAndCaptionShowsIt) {
  const SaturationCase& c = GetParam();
  Session session;
  Game& game = session.game;
  c.start(game);
  const std::int16_t player = game.PlayerScore;
  const std::int16_t computer = game.ComputerScore;
  const std::int16_t draws = game.DrawScore;
  for (int round = 1; round <= 3; ++round) {
    session.form.calls.clear();
    c.round(session);
    EXPECT_EQ(c.value(game), c.expectedValue) << "round " << round;
    EXPECT_EQ(session.form.Caption(c.label), c.expectedCaption) << "round " << round;
    if (!c.expectedBanner.empty()) {
      EXPECT_EQ(session.form.Caption(Label::Label1), c.expectedBanner) << "round " << round;
    }
  }
  // The other counters did not move.
  if (c.label != Label::Label5) {
    EXPECT_EQ(game.PlayerScore, player);
  }
  if (c.label != Label::Label4) {
    EXPECT_EQ(game.ComputerScore, computer);
  }
  if (c.label != Label::Label6) {
    EXPECT_EQ(game.DrawScore, draws);
  }
}

INSTANTIATE_TEST_SUITE_P(Counters, Saturation, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<SaturationCase>& info) {
                           return std::string(info.param.name);
                         });

// All three scores at their top at once, through one result of each kind.
TEST(Saturation, AllCountersAtTopThroughMixedResults) {
  Session session;
  Game& game = session.game;
  game.PlayerScore = kScoreMax;
  game.ComputerScore = kScoreMax;
  game.DrawScore = kScoreMax;
  const struct {
    const std::vector<int>* clicks;
    std::string_view banner;
  } matches[] = {{&kPlayerWinsClicks, kPlayerWonCaption},
                 {&kComputerWinsClicks, kComputerWonCaption},
                 {&kDrawClicks, kDrawCaption}};
  for (const auto& match : matches) {
    PlayMatch(session, *match.clicks);
    EXPECT_EQ(session.form.Caption(Label::Label1), match.banner);
  }
  EXPECT_EQ(game.PlayerScore, kScoreMax);
  EXPECT_EQ(game.ComputerScore, kScoreMax);
  EXPECT_EQ(game.DrawScore, kScoreMax);
  EXPECT_EQ(session.form.Caption(Label::Label5), "32767");
  EXPECT_EQ(session.form.Caption(Label::Label4), "32767");
  EXPECT_EQ(session.form.Caption(Label::Label6), "Draw: 32767");
}

}  // namespace
}  // namespace trixola::reliability
