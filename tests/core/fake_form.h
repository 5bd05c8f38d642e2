// A recording stand-in for the game window: keeps the last value written to
// every property the rules touch, and a log of every call in order.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/form_port.h"

namespace trixola::testing {

class FakeForm : public FormPort {
 public:
  void SetCaption(Label label, std::string_view caption) override {
    captions[label] = std::string(caption);
    log.push_back("caption " + std::string(Name(label)) + "=" + std::string(caption));
  }
  void SetForeColor(Label label, std::uint32_t bbggrr) override {
    foreColors[label] = bbggrr;
    log.push_back("color " + std::string(Name(label)) + "=" + std::to_string(bbggrr));
  }
  void SetWindowCaption(std::string_view caption) override {
    windowCaption = std::string(caption);
    log.push_back("window=" + windowCaption);
  }
  void FocusCommand2() override {
    focusOnCommand2 = true;
    log.push_back("focus Command2");
  }
  void SetTimerEnabled(Timer timer, bool enabled) override {
    (timer == Timer::Timer1 ? timer1On : timer4On) = enabled;
    log.push_back(std::string(timer == Timer::Timer1 ? "Timer1" : "Timer4") +
                  (enabled ? " on" : " off"));
  }
  bool OptionValue(Option option) const override {
    return option == Option::Option1 ? option1Selected : option2Selected;
  }
  void PlayWave(std::string_view name) override {
    sounds.emplace_back(name);
    log.push_back("sound " + std::string(name));
  }
  void OpenLink(std::string_view url) override { links.emplace_back(url); }
  void Unload() override { unloaded = true; }

  std::string Caption(Label label) const {
    auto it = captions.find(label);
    return it == captions.end() ? std::string() : it->second;
  }

  static std::string_view Name(Label label) {
    constexpr std::array<std::string_view, 6> names{"Label1", "Label4",  "Label5",
                                                    "Label6", "lbltime", "lblSound"};
    return names[static_cast<std::size_t>(label)];
  }

  std::map<Label, std::string> captions;
  std::map<Label, std::uint32_t> foreColors;
  std::string windowCaption;
  bool focusOnCommand2 = false;
  bool timer1On = true;  // all timers run from the window's creation
  bool timer4On = true;
  bool option1Selected = true;
  bool option2Selected = false;
  bool unloaded = false;
  std::vector<std::string> sounds;
  std::vector<std::string> links;
  std::vector<std::string> log;
};

}  // namespace trixola::testing
