// Where the game window sends its sound effects.
#pragma once

#include "sound_effect.h"

namespace trixola {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;

  // Starts the effect and returns at once. A new effect replaces one still
  // playing. Never fails: a missing or unreadable file gives the desktop's
  // alert sound or silence.
  virtual void Play(SoundEffect effect) = 0;
};

}  // namespace trixola
