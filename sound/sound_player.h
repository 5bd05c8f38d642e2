// Where the game window sends its sound effects, and the game's player.
//
// The window asks for an effect with SoundPlayer::Play. The program makes its
// player with MakeSoundPlayer and starts it once the window's first frame is
// out (StartAfterFirstFrame), so that nothing of the sound system holds up
// the window:
//
//   auto sound = trixola::MakeSoundPlayer();   // cheap: reads nothing yet
//   trixola::GameWindow window(*sound);
//   window.show();
//   trixola::StartAfterFirstFrame(*sound, window);
//
// A Play before Start starts the player first.
#pragma once

#include <QString>
#include <chrono>
#include <memory>
#include <optional>
#include <string_view>

#include "sound_effect.h"

class QWidget;

namespace trixola {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts the effect and returns at once; replaces one still playing. Never fails.
  virtual void Play(SoundEffect effect) = 0;
};

// The effects in the order of the enum, for loops over all five.
inline constexpr SoundEffect kSoundEffects[] = {SoundEffect::Click, SoundEffect::Level,
                                                SoundEffect::PlayerWon, SoundEffect::ComputerWon,
                                                SoundEffect::Draw};

// The file an effect is played from, in the folder that holds the program:
// click.wav, level.wav, youwon.wav, compwon.wav, draw.wav.
QString SoundFileName(SoundEffect effect);

// The effect whose file is <name>.wav ("click" for Click), if any.
std::optional<SoundEffect> SoundEffectNamed(std::string_view name);

// The game's player: one effect at a time, each heard to its end unless a
// newer one replaces it. A file that is missing, not a regular file, too big
// for an effect or not a whole PCM wave file gives the desktop's alert sound;
// without a sound server the game is silent. When the server goes away the
// player connects again at the next effect, and every effect goes to the
// server's default output of the moment. An effect the server cannot start
// within a second (it hangs) is dropped rather than heard late.
class GameSoundPlayer : public SoundPlayer {
 public:
  // Reads the five files and connects to the sound server without waiting
  // for it. Takes a few milliseconds; call it after the first frame. Calls
  // after the first do nothing.
  virtual void Start() = 0;
};

// The player for the .wav files in `folder`; an empty folder means the one
// that holds the program.
std::unique_ptr<GameSoundPlayer> MakeSoundPlayer(QString folder = {});

// Calls player.Start() once `window` has painted its first frame, or after a
// second if it paints none by then. The player must outlive the window.
void StartAfterFirstFrame(GameSoundPlayer& player, QWidget& window);

}  // namespace trixola
