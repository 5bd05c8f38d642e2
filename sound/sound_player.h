// Where the game window sends its sound effects.
#pragma once

#include <string_view>

namespace trixola {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;

  // Starts the named effect (<program folder>/<name>.wav) and returns at once.
  // A new effect replaces one still playing. Never fails: a missing or
  // unreadable file gives the desktop's alert sound or silence.
  virtual void Play(std::string_view name) = 0;
};

}  // namespace trixola
