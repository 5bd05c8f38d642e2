// Start-up, the window commands, the level options, the sound switch, the
// hover captions and the contact link.
#include <string>

#include "engine/game.h"

namespace trixola {

void Game::Form_Load() {
  WON = kNoResult;
  Sound = true;
  for (int n = kFirstCell; n <= kLastCell; ++n) board.SetBorder(n);
}

void Game::Form_MouseMove() {
  form_.SetWindowCaption(kTitleCaption);
}

void Game::Image10_MouseMove() {
  form_.SetWindowCaption(kCreditCaption);
}

void Game::Image10_Click() {
  form_.OpenLink(std::string("mailto:").append(kContactAddress));
}

void Game::Command1_Click() {
  form_.Unload();
}

void Game::ChooseLevel(Option option, std::int16_t level) {
  if (!form_.OptionValue(option)) return;
  PlaySound("level");
  Hard = level;
}

void Game::Option1_Click() {
  ChooseLevel(Option::Option1, 0);
}

void Game::Option2_Click() {
  ChooseLevel(Option::Option2, 1);
}

// "level" sounds both ways: before the switch goes off, after it comes on.
void Game::imgSound_Click() {
  if (Sound) {
    PlaySound("level");
    form_.SetCaption(Label::lblSound, "Off");
    Sound = false;
  } else {
    form_.SetCaption(Label::lblSound, "On");
    Sound = true;
    PlaySound("level");
  }
}

void Game::PlaySound(std::string_view name) {
  if (!Sound) return;
  form_.PlayWave(name);
}

}  // namespace trixola
