// A loaded, shown and active game window with a sound player that records
// what it is asked to play, and the moves a person makes on it.
#pragma once

#include <QPoint>
#include <QStringList>
#include <memory>
#include <string_view>

#include "sound/sound_player.h"
#include "ui/form1.h"

namespace trixola::testing {

class RecordingSoundPlayer : public SoundPlayer {
 public:
  void Play(std::string_view name) override { played.append(QString::fromUtf8(name)); }
  QStringList played;
};

class Window {
 public:
  // Creates the window, runs Form_Load, shows it and waits until it is active.
  Window();
  ~Window();

  Form1& form() { return *form_; }
  Game& game() { return form_->game(); }
  QStringList& sounds() { return sound_.played; }

  // Left click in the middle of cell n's click target.
  void ClickCell(int n);
  // Left click in the middle of a windowless control of the layout.
  void ClickControl(std::string_view name);
  // A mouse move to a point of the client area, through the window system.
  void MoveTo(QPoint point);
  // Picks "Hard" (or "Easy") with a mouse click on the option button.
  void ChooseLevel(bool hard);
  void ClickNewGame();
  // A key press and release on the widget that has the keyboard focus.
  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  // The cells that show the player's and the computer's marks, ascending.
  QList<int> PlayerCells() const;
  QList<int> ComputerCells() const;
  QList<int> FreeCells() const;

  // The client-area rectangle of a layout control, in pixels.
  static QRect ControlRect(std::string_view name);
  static QPoint CellCentre(int n);

 private:
  RecordingSoundPlayer sound_;
  std::unique_ptr<Form1> form_;
};

}  // namespace trixola::testing
