// The game window. It lays out the controls of the design table, paints the
// windowless ones from the game's board and the captions the rules write, and
// hands every event to the game core. It holds no rule of the game: all of
// them live in trixola::Game, which reaches the window through FormPort.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/form_port.h"
#include "engine/game.h"
#include "sound/sound_player.h"
#include "ui/layout.h"
#include "ui/pictures.h"

class QPushButton;
class QRadioButton;

namespace trixola {

class Form1 : public QWidget, public FormPort {
  Q_OBJECT

 public:
  explicit Form1(SoundPlayer& sound, QWidget* parent = nullptr);
  ~Form1() override;

  // Runs Form_Load. Call once, before the window is first shown.
  void Load();
  // Moves the window to the middle of its screen.
  void CentreOnScreen();

  // ---- FormPort ----
  void SetCaption(Label label, std::string_view caption) override;
  void SetForeColor(Label label, std::uint32_t bbggrr) override;
  void SetWindowCaption(std::string_view caption) override;
  void FocusCommand2() override;
  void SetTimerEnabled(Timer timer, bool enabled) override;
  bool OptionValue(Option option) const override;
  void PlayWave(std::string_view name) override;
  void OpenLink(std::string_view url) override;
  void Unload() override;

  // ---- Views for tests ----
  // The core behind the window; tests may also set up a board through it.
  Game& game() { return game_; }
  const Game& game() const { return game_; }
  QString Caption(Label label) const;
  QColor ForeColor(Label label) const;
  // Where a label stands now (auto-size labels follow their caption).
  QRect LabelRect(Label label) const;
  QPushButton* Command1() const { return command1_; }
  QPushButton* Command2() const { return command2_; }
  QRadioButton* Option1() const { return option1_; }
  QRadioButton* Option2() const { return option2_; }
  QTimer* Timer1() { return &timer1_; }
  bool Timer4Enabled() const { return timer4Enabled_; }

  // ---- For assistive technology (ui/accessibility.cpp) ----
  // Where a control of the layout stands now, in client pixels.
  QRect ControlRect(std::size_t index) const;
  // False for a locked cell's click target; true for every other control.
  bool IsControlEnabled(std::size_t index) const { return IsEnabled(ui::Layout()[index]); }
  // Raises the click of an image as a mouse click on it would, through the
  // same dispatch: nothing when it is disabled or takes no clicks.
  void PressControl(std::size_t index);

 signals:
  // The window has been unloaded (by "&Exit" or by closing it); the program
  // ends.
  void Unloaded();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // What a mouse move over a point of the client area raises.
  enum class MoveTarget { Background, Credit, Nothing };

  void CreateChildControls();
  // Runs one event handler of the game, then the two fast timers once (they
  // have a 1 ms interval and only ever find work right after a handler), and
  // repaints the cells the handler changed.
  template <typename Handler>
  void Dispatch(Handler handler);
  void UpdateChangedCells(const Board& before);

  bool IsShown(const ui::ControlSpec& control) const;
  bool IsEnabled(const ui::ControlSpec& control) const;
  // The frontmost enabled image with a click action under the point.
  std::optional<std::size_t> ClickTargetAt(QPoint point) const;
  MoveTarget MoveTargetAt(QPoint point) const;
  // Whether a line or shape paints the point (for an outline, only its edge).
  static bool IsOnDrawnPixels(const ui::ControlSpec& control, QPoint point);
  void RaiseClick(std::size_t index);

  void PaintControl(QPainter& painter, std::size_t index);
  void PaintImage(QPainter& painter, const ui::ControlSpec& control, QRect rect);
  void PaintLabel(QPainter& painter, std::size_t index);

  SoundPlayer& sound_;
  Game game_;
  // Caption and text colour of every label, by layout row.
  std::vector<QString> captions_;
  std::vector<QColor> colors_;
  QTimer timer1_;
  bool timer4Enabled_ = true;
  bool unloaded_ = false;
  std::optional<std::size_t> pressed_;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QRadioButton* option1_ = nullptr;
  QRadioButton* option2_ = nullptr;
  ui::PictureCache pictures_;
};

}  // namespace trixola
