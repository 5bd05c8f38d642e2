// A stand-in for the game window that keeps the current value of every
// property the rules touch and, separately, the calls made during the event
// being handled, as structured records the invariant checks can read without
// parsing text. Each sound request also records whether Sound was on at that
// moment.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/form_port.h"

namespace trixola::reliability {

struct FormCall {
  enum class Kind : std::uint8_t {
    Caption,
    ForeColor,
    WindowCaption,
    Focus,
    Timer,
    Sound,
    Link,
    Unload
  };
  Kind kind = Kind::Caption;
  Label label = Label::Label1;  // Caption, ForeColor
  Timer timer = Timer::Timer1;  // Timer
  bool enabled = false;         // Timer: on/off; Sound: the value of Sound at the request
  std::uint32_t color = 0;      // ForeColor
  std::string text;             // Caption, WindowCaption, Sound (name), Link
};

class RecordingForm : public FormPort {
 public:
  // The window variable Sound, read at every sound request. Set once the
  // game that owns it exists.
  void WatchSoundSwitch(const bool& sound) { sound_ = &sound; }

  void SetCaption(Label label, std::string_view caption) override {
    captions[Index(label)] = std::string(caption);
    FormCall& call = Record(FormCall::Kind::Caption);
    call.label = label;
    call.text = caption;
  }
  void SetForeColor(Label label, std::uint32_t bbggrr) override {
    foreColors[Index(label)] = bbggrr;
    FormCall& call = Record(FormCall::Kind::ForeColor);
    call.label = label;
    call.color = bbggrr;
  }
  void SetWindowCaption(std::string_view caption) override {
    windowCaption = std::string(caption);
    Record(FormCall::Kind::WindowCaption).text = caption;
  }
  void FocusCommand2() override { Record(FormCall::Kind::Focus); }
  void SetTimerEnabled(Timer timer, bool enabled) override {
    (timer == Timer::Timer1 ? timer1On : timer4On) = enabled;
    FormCall& call = Record(FormCall::Kind::Timer);
    call.timer = timer;
    call.enabled = enabled;
  }
  bool OptionValue(Option option) const override {
    return option == Option::Option1 ? option1Selected : option2Selected;
  }
  void PlayWave(std::string_view name) override {
    FormCall& call = Record(FormCall::Kind::Sound);
    call.enabled = sound_ != nullptr && *sound_;
    call.text = name;
  }
  void OpenLink(std::string_view url) override { Record(FormCall::Kind::Link).text = url; }
  void Unload() override { Record(FormCall::Kind::Unload); }

  const std::string& Caption(Label label) const { return captions[Index(label)]; }

  static constexpr std::size_t Index(Label label) { return static_cast<std::size_t>(label); }

  // Property values; all timers run and "Easy" is selected when the window
  // is created.
  std::array<std::string, 6> captions{};
  std::array<std::uint32_t, 6> foreColors{};
  std::string windowCaption;
  bool timer1On = true;
  bool timer4On = true;
  bool option1Selected = true;
  bool option2Selected = false;

  // Calls made since the last clear; the event runner clears it before each
  // event.
  std::vector<FormCall> calls;

 private:
  FormCall& Record(FormCall::Kind kind) {
    calls.emplace_back();
    calls.back().kind = kind;
    return calls.back();
  }

  const bool* sound_ = nullptr;
};

}  // namespace trixola::reliability
