// The game window: the view of a Game. It lays out the board, the banner, the
// score, the clock, the level options, the sound switch, the two buttons and
// the credit picture; passes the player's input and the clock's ticks to the
// game; and after each shows the game's state again. The words it shows live
// in texts.h, its colours in colours.h, its geometry in layout.h.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "game.h"
#include "sound_player.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace trixola {

class AutoSizeLabel;
class BoardView;
class PictureButton;

class GameWindow : public QWidget, private GameListener {
  Q_OBJECT

 public:
  // A window with a fresh game, the focus on "Exit" and the clock running.
  explicit GameWindow(SoundPlayer& sound, QWidget* parent = nullptr);
  ~GameWindow() override;

  // Moves the window to the middle of its screen.
  void CentreOnScreen();

  // What a screen reader meets, in reading order; the board stands for its
  // nine cells.
  std::vector<QWidget*> AccessibleChildren() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void ConnectControls();
  // Runs one operation of the game, then shows its state.
  void Operate(const std::function<void()>& operation);
  // A click on a cell: if it can be played, the move and the reply, told to
  // a screen reader as well.
  void PlayCell(int cell);
  void ShowState();
  void TickClock();
  // The title for the pointer at `point`, in window coordinates.
  void ShowTitleAt(QPoint point);

  // GameListener
  void PlaySound(SoundEffect effect) override;
  void MatchOver(Outcome outcome) override;

  SoundPlayer& sound_;
  Game game_;
  QTimer clock_{this};
  BoardView* board_ = nullptr;
  QLabel* banner_ = nullptr;
  AutoSizeLabel* computerCount_ = nullptr;
  AutoSizeLabel* playerCount_ = nullptr;
  AutoSizeLabel* drawCount_ = nullptr;
  QLabel* clockCaption_ = nullptr;
  AutoSizeLabel* soundCaption_ = nullptr;
  QRadioButton* easy_ = nullptr;
  QRadioButton* hard_ = nullptr;
  PictureButton* soundSwitch_ = nullptr;
  // The design's, or widened for long level words (layout::WidenedLevels).
  QRect levelFrame_;
  PictureButton* credit_ = nullptr;
  // Whether the pointer has come into the window since a leave from the
  // bare window was held back.
  bool enteredSinceLeave_ = false;
  QPushButton* newGame_ = nullptr;
  QPushButton* exit_ = nullptr;
  // The auto-size labels are fitted to their captions once the first frame
  // is out.
  bool labelsFitted_ = false;
};

}  // namespace trixola
