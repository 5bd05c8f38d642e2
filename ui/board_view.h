// The board on screen: the nine cells with their marks, and the grid drawn in
// front of them. It shows what the game's board holds and reports a click on
// a cell the player may play.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "board.h"
#include "game.h"
#include "pictures.h"

namespace trixola {

class BoardView : public QWidget {
  Q_OBJECT

 public:
  BoardView(const Game& game, QWidget* parent);

  // Shows the game's board as it is now, repainting the cells that changed
  // and telling screen readers about them.
  void Refresh();

  Mark MarkAt(int cell) const { return shown_[Index(cell)].mark; }
  bool IsPlayable(int cell) const { return shown_[Index(cell)].playable; }
  // Where the cell takes clicks, in this widget's coordinates.
  static QRect CellRect(int cell);
  // The same as a click on the cell: cellClicked, if the cell is playable.
  void Press(int cell);

  // Whether the pointer at `point` is over the bare board: a grid line, a
  // locked cell or the gaps, rather than a playable cell or a mark.
  bool IsBackgroundAt(QPoint point) const;

 signals:
  void cellClicked(int cell);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct CellState {
    Mark mark = Mark::None;
    bool playable = true;
  };

  static std::size_t Index(int cell) { return static_cast<std::size_t>(cell - kFirstCell); }
  // The frontmost playable cell whose click rectangle holds the point.
  std::optional<int> CellAt(QPoint point) const;

  const Game& game_;
  std::array<CellState, kLastCell> shown_{};
  std::optional<int> pressed_;
  PictureCache pictures_;
};

}  // namespace trixola
