#include "game.h"

namespace trixola {

namespace {

constexpr SoundEffect SoundOf(Outcome outcome) {
  switch (outcome) {
    case Outcome::PlayerWon:
      return SoundEffect::PlayerWon;
    case Outcome::ComputerWon:
      return SoundEffect::ComputerWon;
    case Outcome::Draw:
      break;
  }
  return SoundEffect::Draw;
}

}  // namespace

void Game::Play(int cell) {
  if (!CanPlay(cell)) return;
  Sound(SoundEffect::Click);
  match_.Play(cell, level_);
  if (const std::optional<Outcome> outcome = match_.outcome()) {
    score_.Record(*outcome);
    Sound(SoundOf(*outcome));
    listener_.MatchOver(*outcome);
  }
}

void Game::NewMatch() {
  match_ = Match();
  seconds_ = Counter<std::int32_t>();
}

void Game::ChooseLevel(Level level) {
  Sound(SoundEffect::Level);
  level_ = level;
}

// The switch is heard both ways: the level sound is its click.
void Game::SwitchSound() {
  soundOn_ = !soundOn_;
  listener_.PlaySound(SoundEffect::Level);
}

void Game::TickSecond() {
  if (!IsOver()) seconds_.Raise();
}

void Game::Sound(SoundEffect effect) {
  if (soundOn_) listener_.PlaySound(effect);
}

}  // namespace trixola
