#include "board_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "accessibility.h"
#include "colours.h"
#include "layout.h"

namespace trixola {

namespace {

// Marks are painted back to front; where neighbours overlap by a few
// pixels, the later one is in front.
constexpr std::array<int, 9> kCellsBackFirst{8, 1, 2, 3, 4, 5, 6, 7, 9};

// From window to widget coordinates.
QRect Local(QRect rect) {
  return rect.translated(-layout::kBoard.topLeft());
}

}  // namespace

BoardView::BoardView(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
  setGeometry(layout::kBoard);
}

QRect BoardView::CellRect(int cell) {
  return Local(layout::CellTarget(cell));
}

void BoardView::Refresh() {
  for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
    CellState& shown = shown_[Index(cell)];
    const CellState now{game_.board().At(cell), game_.CanPlay(cell)};
    const bool renamed = now.mark != shown.mark;
    const bool availability = now.playable != shown.playable;
    if (!renamed && !availability) continue;
    shown = now;
    if (renamed) update(Local(layout::Mark(cell)));
    accessibility::CellChanged(*this, cell, renamed, availability);
  }
}

void BoardView::Press(int cell) {
  if (IsCell(cell) && IsPlayable(cell)) emit cellClicked(cell);
}

std::optional<int> BoardView::CellAt(QPoint point) const {
  for (int cell : layout::kCellsFrontFirst) {
    if (IsPlayable(cell) && CellRect(cell).contains(point)) return cell;
  }
  return std::nullopt;
}

bool BoardView::IsBackgroundAt(QPoint point) const {
  for (int line = 0; line < layout::kGridLines; ++line) {
    if (Local(layout::GridLine(line)).contains(point)) return true;
  }
  for (int cell : layout::kCellsFrontFirst) {
    if (CellRect(cell).contains(point)) return !IsPlayable(cell);
  }
  for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
    if (MarkAt(cell) != Mark::None && Local(layout::Mark(cell)).contains(point)) return false;
  }
  return true;
}

// The board has no background of its own: the window's black is behind it.
// (A widget that promised to paint all its pixels would be left unpainted
// when a Wayland compositor changes the window's decorations: Qt repaints
// the window around it and takes its pixels as kept.)
void BoardView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int cell : kCellsBackFirst) {
    const Mark mark = MarkAt(cell);
    if (mark == Mark::None) continue;
    const QRect rect = Local(layout::Mark(cell));
    const Picture picture = mark == Mark::Player ? Picture::PlayerMark : Picture::ComputerMark;
    painter.drawPixmap(rect.topLeft(), pictures_.Get(picture, rect.size(), devicePixelRatioF()));
  }
  // Whole pixels, so the one-pixel lines stay crisp at any scale.
  for (int line = 0; line < layout::kGridLines; ++line) {
    painter.fillRect(Local(layout::GridLine(line)), colours::kGrid);
  }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = CellAt(event->position().toPoint());
}

// A click is a press and a release of the left button on the same cell.
void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const std::optional<int> pressed = std::exchange(pressed_, std::nullopt);
  if (pressed && CellAt(event->position().toPoint()) == pressed) emit cellClicked(*pressed);
}

}  // namespace trixola
