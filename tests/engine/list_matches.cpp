// Prints every match a player can play, at both levels: one line a match,
// "<level> <moves> <outcome>", the moves being the cells marked in turn, the
// player's first. tests/engine/matches.txt holds the list the game must keep.
#include <iostream>
#include <string>

#include "match.h"

namespace {

using trixola::Level;
using trixola::Match;
using trixola::Outcome;

const char* Name(Outcome outcome) {
  switch (outcome) {
    case Outcome::PlayerWon:
      return "player";
    case Outcome::ComputerWon:
      return "computer";
    case Outcome::Draw:
      break;
  }
  return "draw";
}

char Digit(int cell) {
  return static_cast<char>('0' + cell);
}

void Explore(const Match& match, Level level, const std::string& moves) {
  if (match.IsOver()) {
    std::cout << (level == Level::Hard ? "hard " : "easy ") << moves << ' '
              << Name(*match.outcome()) << '\n';
    return;
  }
  for (int cell = trixola::kFirstCell; cell <= trixola::kLastCell; ++cell) {
    if (!match.CanPlay(cell)) continue;
    Match next = match;
    next.Play(cell, level);
    std::string played = moves + Digit(cell);
    for (int c = trixola::kFirstCell; c <= trixola::kLastCell; ++c) {
      if (c != cell && match.board().At(c) != next.board().At(c)) played += Digit(c);
    }
    Explore(next, level, played);
  }
}

}  // namespace

int main() {
  for (Level level : {Level::Easy, Level::Hard}) Explore(Match(), level, "");
}
