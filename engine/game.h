// The game as the window shows it: the match on the board, the level, the
// score, the match clock and the sound switch. The window calls the
// operations below on the player's input and on the clock's ticks, reads the
// state back, and hears from the game through a GameListener.
#pragma once

#include <cstdint>
#include <optional>

#include "board.h"
#include "counter.h"
#include "match.h"
#include "reply.h"
#include "score.h"
#include "sound_effect.h"

namespace trixola {

// What the game tells the window while an operation runs.
class GameListener {
 public:
  virtual ~GameListener() = default;
  // A sound to play now. Only asked for while the sound is on, except the
  // sound switch's own sound, which plays both ways.
  virtual void PlaySound(SoundEffect effect) = 0;
  // The match has just ended; the score already counts it.
  virtual void MatchOver(Outcome outcome) = 0;
};

class Game {
 public:
  // A game ready to play: an empty board, Easy, sound on, score and clock
  // at 0, the clock running.
  explicit Game(GameListener& listener) : listener_(listener) {}

  const Board& board() const { return match_.board(); }
  bool IsOver() const { return match_.IsOver(); }
  std::optional<Outcome> outcome() const { return match_.outcome(); }
  bool CanPlay(int cell) const { return match_.CanPlay(cell); }
  Level level() const { return level_; }
  bool IsSoundOn() const { return soundOn_; }
  const Score& score() const { return score_; }
  // Seconds since the match began, counted while it runs; stops at
  // 2147483647.
  int Seconds() const { return seconds_.value(); }

  // The player marks `cell` and the computer replies: the click sound, then,
  // if the move ends the match, the result counted, its sound and
  // MatchOver. Does nothing unless CanPlay(cell).
  void Play(int cell);
  // A fresh match: empty board, clock at 0. Score, level and sound carry
  // over. Silent.
  void NewMatch();
  // From the next move on. Plays the level sound, also for the level in force.
  void ChooseLevel(Level level);
  // Turns the sound off or on; the level sound plays both ways.
  void SwitchSound();
  // One second of the match clock; nothing once the match is over.
  void TickSecond();

 private:
  void Sound(SoundEffect effect);

  GameListener& listener_;
  Match match_;
  Level level_ = Level::Easy;
  bool soundOn_ = true;
  Score score_;
  Counter<std::int32_t> seconds_;
};

}  // namespace trixola
