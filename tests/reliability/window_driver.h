// The real game window, Form1, driven the way a person drives it: mouse
// clicks and moves, keys on the focused button and the access key of
// "&New Game". Only the clock is not left to the wall clock: its expiries
// are held back and the driver ticks it by raising the timer's timeout, so
// that a seed gives the same run on any machine.
#pragma once

#include <QList>
#include <QPoint>
#include <QUrl>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sound/sound_player.h"
#include "tests/ui/window_harness.h"
#include "ui/form1.h"

namespace trixola::reliability {

// Keeps every sound the window asks for, with the value of the window
// variable Sound at the moment of the request.
class SoundRecorder : public SoundPlayer {
 public:
  struct Request {
    std::string name;
    bool soundOn = false;
  };

  void Watch(const bool& sound) { sound_ = &sound; }
  void Play(SoundEffect effect) override {
    requests.push_back(
        {SoundFileName(effect).chopped(4).toStdString(), sound_ != nullptr && *sound_});
  }

  std::vector<Request> requests;

 private:
  const bool* sound_ = nullptr;
};

// Form1 unchanged, except that it also notes the captions the game writes,
// so that a check can tell an announcement from a caption left standing.
class ObservedForm : public Form1 {
 public:
  using Form1::Form1;

  void SetCaption(Label label, std::string_view caption) override {
    captionsWritten.emplace_back(label, std::string(caption));
    Form1::SetCaption(label, caption);
  }

  std::vector<std::pair<Label, std::string>> captionsWritten;
};

// Where the credit picture's contact link goes.
enum class MailHandler {
  Recorded,  // to a LinkRecorder of the driver
  Desktop,   // to whatever the desktop offers (often nothing on a build machine)
};

class WindowDriver : public testing::WindowUser {
 public:
  // Creates the window on `sound`, runs Form_Load, shows it, waits until it
  // is active and moves the pointer to kHome. With a SoundRecorder, the
  // recorder watches Sound.
  explicit WindowDriver(SoundPlayer& sound, MailHandler mail = MailHandler::Recorded);
  ~WindowDriver();
  WindowDriver(const WindowDriver&) = delete;
  WindowDriver& operator=(const WindowDriver&) = delete;

  ObservedForm& form() { return *form_; }
  const ObservedForm& form() const { return *form_; }
  Game& game() { return form_->game(); }
  const Game& game() const { return form_->game(); }
  // Links handed over while the mail handler is Recorded.
  const QList<QUrl>& links() const { return links_.links; }

  // Alt+N, then waits for the button's short animated click. False when the
  // click has not come within a second.
  bool PressAltN();
  // One expiry of Timer1, the clock.
  void TickClock();

  bool NewGameHasFocus() const;
  bool ClockRunning() const;
  // A bare corner of the background where each window's pointer starts, so
  // that no move of an earlier window decides whether the first move of
  // this one is a move at all.
  static constexpr QPoint kHome{515, 290};

 private:
  std::unique_ptr<ObservedForm> form_;
  std::unique_ptr<QObject> clockHold_;
  testing::LinkRecorder links_;
  MailHandler mail_;
  int newGameClicks_ = 0;
};

}  // namespace trixola::reliability
