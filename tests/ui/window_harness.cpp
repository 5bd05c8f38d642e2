#include "window_harness.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/layout.h"

namespace trixola::testing {

Window::Window() : form_(std::make_unique<Form1>(sound_)) {
  form_->Load();
  form_->show();
  form_->activateWindow();
  if (!QTest::qWaitForWindowActive(form_.get())) qWarning("the game window did not become active");
}

Window::~Window() = default;

QRect Window::ControlRect(std::string_view name) {
  return ui::PixelRect(ui::Layout()[ui::IndexOf(name)]);
}

QPoint Window::CellCentre(int n) {
  return ControlRect(std::string("Image") + std::to_string(n)).center();
}

void Window::ClickCell(int n) {
  QTest::mouseClick(form_.get(), Qt::LeftButton, {}, CellCentre(n));
}

void Window::ClickControl(std::string_view name) {
  QTest::mouseClick(form_.get(), Qt::LeftButton, {}, ControlRect(name).center());
}

void Window::MoveTo(QPoint point) {
  QTest::mouseMove(form_->windowHandle(), point);
}

void Window::ChooseLevel(bool hard) {
  QTest::mouseClick(hard ? form_->Option2() : form_->Option1(), Qt::LeftButton);
}

void Window::ClickNewGame() {
  QTest::mouseClick(form_->Command2(), Qt::LeftButton);
}

void Window::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

namespace {

template <typename Test>
QList<int> CellsWhere(Test test) {
  QList<int> cells;
  for (int n = 1; n <= 9; ++n) {
    if (test(n)) cells.append(n);
  }
  return cells;
}

}  // namespace

QList<int> Window::PlayerCells() const {
  return CellsWhere([this](int n) { return form_->game().board.HasPlayerMark(n); });
}

QList<int> Window::ComputerCells() const {
  return CellsWhere([this](int n) { return form_->game().board.HasComputerMark(n); });
}

QList<int> Window::FreeCells() const {
  return CellsWhere([this](int n) { return form_->game().board.IsCellFree(n); });
}

}  // namespace trixola::testing
