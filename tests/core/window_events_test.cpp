// Start-up, the level options, the sound switch, the captions and the link.
#include <gtest/gtest.h>

#include "harness.h"

namespace trixola::testing {
namespace {

TEST(FormLoad, StartsEasyWithSoundOnAndNothingPlayed) {
  FakeForm form;
  Game game(form);
  EXPECT_EQ(game.WON, 0);  // the zero start value that load must replace
  game.Form_Load();
  EXPECT_EQ(game.WON, kNoResult);
  EXPECT_TRUE(game.Sound);
  EXPECT_EQ(game.Hard, 0);
  EXPECT_TRUE(form.sounds.empty());
  for (int n = 1; n <= 9; ++n) {
    EXPECT_TRUE(game.board.cell(n).imageBorder);
    EXPECT_TRUE(game.board.IsCellFree(n));
  }
  // A tick right after load announces nothing.
  game.Timer3_Timer();
  EXPECT_TRUE(form.log.empty());
}

struct LevelCase {
  const char* name;
  bool option1;
  bool option2;
  bool clickEasy;  // Option1_Click, else Option2_Click
  std::int16_t hardBefore;
  std::int16_t hardAfter;
  bool sound;
};

class Level : public ::testing::TestWithParam<LevelCase> {};

TEST_P(Level, ChangesOnlyWhenTheOptionIsSelected) {
  const LevelCase& c = GetParam();
  Harness h;
  h.game.Hard = c.hardBefore;
  h.form.option1Selected = c.option1;
  h.form.option2Selected = c.option2;
  if (c.clickEasy) {
    h.game.Option1_Click();
  } else {
    h.game.Option2_Click();
  }
  EXPECT_EQ(h.game.Hard, c.hardAfter);
  EXPECT_EQ(h.form.sounds.size(), c.sound ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Level,
    ::testing::Values(LevelCase{"ChooseHard", false, true, false, 0, 1, true},
                      LevelCase{"ChooseEasy", true, false, true, 1, 0, true},
                      LevelCase{"EasyAgain", true, false, true, 0, 0, true},
                      LevelCase{"HardNotSelected", true, false, false, 0, 0, false},
                      LevelCase{"EasyNotSelected", false, true, true, 1, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Level, SoundPlaysBeforeTheChangeAndObeysTheSwitch) {
  Harness h;
  h.game.imgSound_Click();
  h.form.sounds.clear();
  h.form.option1Selected = false;
  h.form.option2Selected = true;
  h.game.Option2_Click();
  EXPECT_EQ(h.game.Hard, 1);
  EXPECT_TRUE(h.form.sounds.empty());
}

TEST(SoundSwitch, PlaysLevelBothWaysAndSilencesEverythingElse) {
  Harness h;
  h.game.imgSound_Click();
  EXPECT_FALSE(h.game.Sound);
  EXPECT_EQ(h.form.Caption(Label::lblSound), "Off");
  h.ClickAndTick(5);
  h.game.WON = kPlayerWon;
  h.game.Timer3_Timer();
  EXPECT_EQ(h.form.sounds, (std::vector<std::string>{"level"}));
  h.game.imgSound_Click();
  EXPECT_TRUE(h.game.Sound);
  EXPECT_EQ(h.form.Caption(Label::lblSound), "On");
  EXPECT_EQ(h.form.sounds, (std::vector<std::string>{"level", "level"}));
  // Order: off plays before the caption; on plays after it.
  const std::vector<std::string> tail(h.form.log.end() - 2, h.form.log.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"caption lblSound=On", "sound level"}));
}

TEST(Captions, HoverSetsTitleOrCreditEveryTime) {
  Harness h;
  h.game.Image10_MouseMove();
  EXPECT_EQ(h.form.windowCaption, " TRIXOLA By Orvandel");
  h.game.Image10_MouseMove();
  h.game.Form_MouseMove();
  EXPECT_EQ(h.form.windowCaption, "Zembrik  TRIXOLA");
  EXPECT_EQ(h.form.log.size(), 3u);
}

TEST(Commands, ContactLinkAndExitChangeNoGameState) {
  Harness h;
  h.ClickAndTick(5);
  const std::string board = BoardText(h.game.board);
  h.game.Image10_Click();
  ASSERT_EQ(h.form.links.size(), 1u);
  EXPECT_EQ(h.form.links[0], "mailto:" + std::string(kContactAddress));
  EXPECT_EQ(BoardText(h.game.board), board);
  EXPECT_FALSE(h.form.unloaded);
  h.game.Command1_Click();
  EXPECT_TRUE(h.form.unloaded);
}

}  // namespace
}  // namespace trixola::testing
