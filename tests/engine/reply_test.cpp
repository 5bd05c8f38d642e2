// The computer's choice on boards built for the purpose, including some a
// match cannot reach: the order of the line checks and of the table's rows,
// and what each level may do.
#include "reply.h"

#include <gtest/gtest.h>

#include <string>

#include "tactics.h"

namespace trixola {
namespace {

// Nine cells, top left first: x the player's mark, o the computer's, . empty.
Board BoardOf(const std::string& cells) {
  Board board;
  for (int cell = kFirstCell; cell <= kLastCell; ++cell)
    if (const char c = cells[cell - 1]; c != '.')
      board.Place(cell, c == 'x' ? Mark::Player : Mark::Computer);
  return board;
}

struct Case {
  const char *why, *board;
  Level level;
  int justPlayed, reply;  // reply 0: none
};

const Case kCases[] = {
    {"own line: row 1 comes before row 2", "oo.oo.x.x", Level::Easy, 9, 3},
    {"own line before a block", "x.xoo....", Level::Hard, 3, 6},
    {"block at Hard: 1-3 comes before 3-9", "x.x.....x", Level::Hard, 9, 2},
    {"Easy never blocks: the table answers", "x.x.....x", Level::Easy, 9, 5},
    {"a target holding a mark does not count", "ooxx.....", Level::Easy, 4, 7},
    {"one mark of each side is no line", "x.o......", Level::Hard, 1, 5},
    {"first row that holds: 5 before 3", "xx......o", Level::Easy, 1, 5},
    {"a taken cell counts for either side", "x.......x", Level::Easy, 1, 5},
    {"cell 8 at Hard takes the centre", "x.o....x.", Level::Hard, 8, 5},
    {"cell 8 at Easy takes 9", "x.o....x.", Level::Easy, 8, 9},
    {"the centre must hold the player's mark", "...xx..x.", Level::Easy, 4, 6},
    {"... not the computer's", "...xo..x.", Level::Easy, 4, 1},
    // Reached only when the level changes during the match: a Hard-only
    // row needs every one of its cells free.
    {"Easy 4, then Hard 3", "o.xx.....", Level::Hard, 3, 2},
    {"Easy 3 and 8, then Hard 4", ".oxx...xo", Level::Hard, 4, 5},
    {"Easy 2 and 8, then Hard 5", "ox..x..xo", Level::Hard, 5, 4},
};

class Replies : public ::testing::TestWithParam<Case> {};

TEST_P(Replies, Choose) {
  const Case& c = GetParam();
  EXPECT_EQ(Reply(BoardOf(c.board), c.level, c.justPlayed).value_or(0), c.reply) << c.why;
}

INSTANTIATE_TEST_SUITE_P(Strategy, Replies, ::testing::ValuesIn(kCases));

// Any two cells of any line held by one side, with the third free and
// nothing else on the board: the line move takes the third.
TEST(Strategy, LineMoveFindsEveryLine) {
  for (const std::string line : {"123", "456", "789", "147", "258", "369", "159", "357"}) {
    for (int third = 0; third < 3; ++third) {
      for (Mark side : {Mark::Computer, Mark::Player}) {
        std::string cells(9, '.');
        cells[line[(third + 1) % 3] - '1'] = cells[line[(third + 2) % 3] - '1'] = ".xo"[int(side)];
        EXPECT_EQ(LineMove(BoardOf(cells), side), line[third] - '0') << line;
      }
    }
  }
}

}  // namespace
}  // namespace trixola
