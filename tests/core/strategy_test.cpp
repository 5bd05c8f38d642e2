// The computer's line moves and its reply table.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "harness.h"
#include "strategy/line_moves.h"
#include "strategy/response_table.h"

namespace trixola::testing {
namespace {

// ---- Line moves -----------------------------------------------------------

// The order of the 24 checks, rebuilt from its rule: rows top to bottom, then
// columns, diagonal, anti-diagonal; (a,b->c),(b,c->a),(a,c->b) within rows and
// diagonals, (a,c->b),(a,b->c),(b,c->a) within columns.
TEST(LineMoveChecks, FollowTheOrderOfLinesAndTargets) {
  std::vector<std::array<int, 3>> expected;
  for (LineId id : {Row1, Row2, Row3, Column1, Column2, Column3, Diagonal, AntiDiagonal}) {
    const auto [a, b, c] = LineTable[id];
    const bool column = id == Column1 || id == Column2 || id == Column3;
    if (column) {
      expected.push_back({a, c, b});
      expected.push_back({a, b, c});
      expected.push_back({b, c, a});
    } else {
      expected.push_back({a, b, c});
      expected.push_back({b, c, a});
      expected.push_back({a, c, b});
    }
  }
  ASSERT_EQ(expected.size(), LineMoveChecks.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const LineMoveCheck& check = LineMoveChecks[i];
    EXPECT_EQ((std::array<int, 3>{check.pairFirst, check.pairSecond, check.target}), expected[i])
        << "check " << i + 1;
  }
}

struct LineMoveCase {
  const char* name;
  const char* board;
  bool block;         // BlockPlayerLine instead of CompleteOwnLine
  const char* after;  // board afterwards
  bool done;
};

class LineMoves : public ::testing::TestWithParam<LineMoveCase> {};

TEST_P(LineMoves, MarkTheFirstQualifyingTargetOnly) {
  const LineMoveCase& c = GetParam();
  Harness h;
  SetBoard(h.game, c.board);
  if (c.block) {
    h.game.BlockPlayerLine();
  } else {
    h.game.CompleteOwnLine();
  }
  EXPECT_EQ(BoardText(h.game.board), c.after);
  EXPECT_EQ(h.game.Done, c.done);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineMoves,
    ::testing::Values(
        LineMoveCase{"NothingQualifies", "XO.......", false, "XO.......", false},
        LineMoveCase{"Row1BeforeRow2", "OO.OO....", false, "OOoOO....", true},
        LineMoveCase{"BlockRow1BeforeColumn3", "X.X.....X", true, "XoX.....X", true},
        LineMoveCase{"TargetHeldByPlayer", "OOX......", false, "OOX......", false},
        LineMoveCase{"TargetLockedWithoutMark", "OO#......", false, "OO#......", false},
        LineMoveCase{"MixedPairNeverQualifies", "XO.......", true, "XO.......", false},
        LineMoveCase{"UnlockedOwnMarkCounts", "Oo.......", false, "Ooo......", true},
        // The target's freedom comes from its click target alone: an unlocked
        // computer mark there still passes as free and is marked again.
        LineMoveCase{"UnlockedMarkInTargetCountsAsFree", "OOo......", false, "OOo......", true},
        LineMoveCase{"ColumnOrderMiddleFirst", "O.....O..", false, "O..o..O..", true},
        LineMoveCase{"AntiDiagonalLast", "..O.O....", false, "..O.O.o..", true},
        LineMoveCase{"BlockPlacesComputersMark", "XX.......", true, "XXo......", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineMoves, LeaveDoneTrueUntouchedWhenNothingQualifies) {
  Harness h;
  h.game.Done = true;
  h.game.CompleteOwnLine();
  h.game.BlockPlayerLine();
  EXPECT_TRUE(h.game.Done);
  EXPECT_EQ(BoardText(h.game.board), ".........");
}

// ---- Response table ---------------------------------------------------------

std::vector<ResponseRow> ListOf(int clicked) {
  std::vector<ResponseRow> rows;
  for (const ResponseRow& row : ResponseTable) {
    if (row.clicked == clicked) rows.push_back(row);
  }
  return rows;
}

TEST(ResponseTable, HasNineContiguousListsOfTheRightLengths) {
  const std::array<std::size_t, 10> lengths{0, 6, 6, 7, 6, 10, 5, 8, 7, 9};
  int previous = 1;
  for (const ResponseRow& row : ResponseTable) {
    EXPECT_GE(row.clicked, previous) << "lists must not interleave";
    previous = row.clicked;
  }
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(ListOf(n).size(), lengths[n]) << "cell " << n;
  }
}

TEST(ResponseTable, RowsKeepTheirInvariants) {
  int hardOnly = 0;
  int playerCentre = 0;
  for (const ResponseRow& row : ResponseTable) {
    std::set<int> free;
    for (int cell : row.free) {
      if (cell != 0) free.insert(cell);
    }
    EXPECT_FALSE(free.empty());
    EXPECT_FALSE(free.count(row.clicked));
    EXPECT_NE(row.locked, row.clicked);
    EXPECT_NE(row.takes, row.clicked);
    EXPECT_FALSE(free.count(row.locked));
    const bool cell8HardRow = row.clicked == 8 && row.level == Level::HardOnly;
    if (!cell8HardRow) {
      EXPECT_TRUE(free.count(row.takes)) << "row of cell " << int{row.clicked};
    }
    if (row.level == Level::HardOnly) ++hardOnly;
    if (row.lockedHasPlayerMark) {
      ++playerCentre;
      EXPECT_EQ(row.locked, 5);
    }
  }
  EXPECT_EQ(hardOnly, 7);
  EXPECT_EQ(playerCentre, 3);
  for (int n : {1, 6}) {
    for (const ResponseRow& row : ListOf(n)) {
      EXPECT_EQ(row.level, Level::Both);
    }
  }
}

struct FirstMove {
  int click;
  int easyReply;
  int hardReply;
};

class FirstMoveReply : public ::testing::TestWithParam<FirstMove> {};

TEST_P(FirstMoveReply, ComesFromTheTableAndIsLockedAtOnce) {
  const FirstMove& m = GetParam();
  for (const std::int16_t level : {0, 1}) {
    Harness h;
    h.game.Hard = level;
    h.game.Image_Click(m.click);
    const int reply = level == 1 ? m.hardReply : m.easyReply;
    std::string expected(9, '.');
    expected[static_cast<std::size_t>(m.click - 1)] = 'X';
    expected[static_cast<std::size_t>(reply - 1)] = 'O';
    EXPECT_EQ(BoardText(h.game.board), expected) << "level " << level;
    EXPECT_TRUE(h.game.rdone[static_cast<std::size_t>(m.click)]);
  }
}

INSTANTIATE_TEST_SUITE_P(AllOpenings, FirstMoveReply,
                         ::testing::Values(FirstMove{1, 5, 5}, FirstMove{2, 1, 5},
                                           FirstMove{3, 2, 5}, FirstMove{4, 1, 5},
                                           FirstMove{5, 4, 8}, FirstMove{6, 5, 5},
                                           FirstMove{7, 1, 5}, FirstMove{8, 9, 5},
                                           FirstMove{9, 6, 5}));

struct ReplyCase {
  const char* name;
  const char* board;  // the clicked cell already shows 'X'
  int clicked;
  std::int16_t hard;
  const char* after;  // "" when the table makes no move
};

class Reply : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(Reply, FirstHoldingRowDecides) {
  const ReplyCase& c = GetParam();
  Harness h;
  SetBoard(h.game, c.board);
  h.game.Hard = c.hard;
  h.game.ImageNumber = static_cast<std::int16_t>(c.clicked);
  h.game.RespondToMove();
  const bool moved = std::string_view(c.after) != "";
  EXPECT_EQ(BoardText(h.game.board), moved ? c.after : c.board);
  EXPECT_EQ(h.game.rdone[static_cast<std::size_t>(c.clicked)], moved);
  for (int n = 1; n <= 9; ++n) {
    if (n != c.clicked) {
      EXPECT_FALSE(h.game.rdone[static_cast<std::size_t>(n)]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, Reply,
                         ::testing::Values(
                             // Rows 1 and 2 of cell 1 both hold; row 1 comes first.
                             ReplyCase{"EarlierRowWins", "XO......O", 1, 0, "XO..O...O"},
                             // A locked cell counts whichever side's mark it holds.
                             ReplyCase{"LockedByComputer", "X.......O", 1, 0, "X...O...O"},
                             ReplyCase{"LockedByPlayer", "X.......X", 1, 0, "X...O...X"},
                             // With 5, 7 and 9 free, cell 8 takes the centre at Hard, 9 at Easy.
                             ReplyCase{"Cell8HardTakesCentre", "OX.X...X.", 8, 1, "OX.XO..X."},
                             ReplyCase{"Cell8EasyTakes9", "OX.X...X.", 8, 0, "OX.X...XO"},
                             // Easy: opened in the centre, answered 4, then 6: no row holds.
                             ReplyCase{"NoRowHolds", "...OXX...", 6, 0, ""},
                             // Easy: 8, 5, 4 against 9 and 2: row 3 of cell 4 blocks 4-5-6.
                             ReplyCase{"PlayerCentreBlocks", ".O.XX..XO", 4, 0, ".O.XXO.XO"},
                             // The same shape with the computer in the centre: row 3 never holds,
                             // so row 6 (1 and 7 free) answers.
                             ReplyCase{"ComputerCentreDoesNotBlock", ".X.XO..XO", 4, 0,
                                       "OX.XO..XO"},
                             // A Hard-only row is skipped at Easy even when it holds.
                             ReplyCase{"HardRowSkippedAtEasy", ".X.......", 2, 0, "OX......."},
                             ReplyCase{"HardRowAtHard", ".X.......", 2, 1, ".X..O...."},
                             // Only Hard = 1 is Hard.
                             ReplyCase{"LevelTwoIsNotHard", ".X.......", 2, 2, "OX......."},
                             // Cell 8's Hard-only row does not test the centre itself, but row 1
                             // (9 free, 5 locked) comes first.
                             ReplyCase{"Cell8Row1BeforeHardRow", "....O..X.", 8, 1, "....O..XO"},
                             // An unlocked computer mark still passes as free.
                             ReplyCase{"UnlockedMarkIsFree", "X...o...O", 1, 0, "X...O...O"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Reply, NothingWithoutThePlayersMarkOrOnceAnswered) {
  Harness h;
  h.game.ImageNumber = 1;
  h.game.RespondToMove();  // cell 1 shows no player's mark
  EXPECT_EQ(BoardText(h.game.board), ".........");

  SetBoard(h.game, "X........");
  h.game.rdone[1] = true;
  h.game.RespondToMove();
  EXPECT_EQ(BoardText(h.game.board), "X........");

  for (const std::int16_t outside : {0, 10, -1}) {
    h.game.ImageNumber = outside;
    h.game.RespondToMove();
    EXPECT_EQ(BoardText(h.game.board), "X........");
  }
}

}  // namespace
}  // namespace trixola::testing
