// Everything the game's rules ask of the window they run in. The Qt window
// implements it; tests use a recording fake. It carries no rules of its own:
// each call is one property write, one property read or one platform service.
#pragma once

#include <cstdint>
#include <string_view>

namespace trixola {

// The labels whose caption or colour the rules write.
enum class Label : std::uint8_t { Label1, Label4, Label5, Label6, lbltime, lblSound };
// The timers the rules turn on and off (Timer3, the announcer, is always on).
enum class Timer : std::uint8_t { Timer1, Timer4 };
enum class Option : std::uint8_t { Option1, Option2 };

class FormPort {
 public:
  virtual ~FormPort() = default;

  virtual void SetCaption(Label label, std::string_view caption) = 0;
  // Colour in the 0x00BBGGRR form.
  virtual void SetForeColor(Label label, std::uint32_t bbggrr) = 0;
  virtual void SetWindowCaption(std::string_view caption) = 0;
  // Gives the keyboard focus to Command2, "&New Game".
  virtual void FocusCommand2() = 0;
  // Turning on a timer that is already on keeps it on.
  virtual void SetTimerEnabled(Timer timer, bool enabled) = 0;
  // Option button Value: true while selected.
  virtual bool OptionValue(Option option) const = 0;
  // Fire-and-forget playback of <program folder>/<name>.wav. Never fails.
  virtual void PlayWave(std::string_view name) = 0;
  // Hands a link to the desktop; does not wait, ignores failure.
  virtual void OpenLink(std::string_view url) = 0;
  // Unloads the window and ends the program.
  virtual void Unload() = 0;
};

}  // namespace trixola
