// A loaded, shown and active game window with a sound player that records
// what it is asked to play, and the moves a person makes on a game window.
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QUrl>
#include <memory>
#include <string_view>

#include "sound/sound_player.h"
#include "ui/form1.h"

namespace trixola::testing {

class RecordingSoundPlayer : public SoundPlayer {
 public:
  void Play(SoundEffect effect) override { played.append(SoundFileName(effect).chopped(4)); }
  QStringList played;
};

// Receives the links the window hands to the desktop.
class LinkRecorder : public QObject {
  Q_OBJECT

 public slots:
  void Open(const QUrl& url) { links.append(url); }

 public:
  QList<QUrl> links;
};

// Mouse and keyboard input to the window given to Show.
class WindowUser {
 public:
  // A left press and release at a point of the client area; in the middle
  // of cell n's click target; in the middle of a windowless control.
  void ClickAt(QPoint point);
  void ClickCell(int n) { ClickAt(CellCentre(n)); }
  void ClickControl(std::string_view name) { ClickAt(ControlRect(name).center()); }
  // A mouse move to a point of the client area, through the window system.
  void MoveTo(QPoint point);
  // Picks "Hard" (or "Easy") with a mouse click on the option button.
  void ChooseLevel(bool hard);
  void ClickNewGame();
  // A key press and release on the widget that has the keyboard focus.
  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  // Where the pointer was last moved to. The window system raises no event
  // for a move to where the pointer already is.
  QPoint pointer() const { return pointer_; }

  // The client-area rectangle of a layout control, in pixels.
  static QRect ControlRect(std::string_view name);
  static QPoint CellCentre(int n);

 protected:
  // Runs Form_Load, shows the window and waits until it is active.
  void Show(Form1& form);

 private:
  Form1* shown_ = nullptr;
  QPoint pointer_;
};

class Window : public WindowUser {
 public:
  Window();
  ~Window();

  Form1& form() { return *form_; }
  Game& game() { return form_->game(); }
  QStringList& sounds() { return sound_.played; }

  // The cells that show the player's and the computer's marks, ascending.
  QList<int> PlayerCells() const;
  QList<int> ComputerCells() const;
  QList<int> FreeCells() const;

 private:
  RecordingSoundPlayer sound_;
  std::unique_ptr<Form1> form_;
};

}  // namespace trixola::testing
