// Prints every match a player can play, one line a match:
//   list_matches               "<level> <moves> <outcome>" at Easy, then Hard;
//                              tests/engine/matches.txt holds this list
//   list_matches --any-level   "<moves> <outcome>" with the level chosen
//                              afresh before each move, written E or H
//                              before the move; the test keeps its digest
// The moves are the cells marked in turn, the player's first, each followed
// by the computer's reply, if any.
#include <iostream>
#include <optional>
#include <string>

#include "match.h"

namespace {

using namespace trixola;

const char* const kOutcomes[] = {"player", "computer", "draw"};

// `level`: the level of the whole match; nothing for any level at each move.
void Explore(const Match& match, std::optional<Level> level, const std::string& moves) {
  if (match.IsOver()) {
    if (level) std::cout << (*level == Level::Hard ? "hard " : "easy ");
    std::cout << moves << ' ' << kOutcomes[static_cast<int>(*match.outcome())] << '\n';
    return;
  }
  for (Level now : {Level::Easy, Level::Hard}) {
    if (level && now != *level) continue;
    for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
      if (!match.CanPlay(cell)) continue;
      Match next = match;
      next.Play(cell, now);
      std::string played = moves + (level ? "" : now == Level::Hard ? "H" : "E") + char('0' + cell);
      for (int c = kFirstCell; c <= kLastCell; ++c)
        if (c != cell && match.board().At(c) != next.board().At(c)) played += char('0' + c);
      Explore(next, level, played);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--any-level")
    Explore(Match(), std::nullopt, "");
  else
    for (Level level : {Level::Easy, Level::Hard}) Explore(Match(), level, "");
}
