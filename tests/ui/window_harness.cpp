#include "window_harness.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/layout.h"

namespace trixola::testing {

void WindowUser::Show(Form1& form) {
  shown_ = &form;
  form.Load();
  form.show();
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form)) qWarning("the game window did not become active");
}

QRect WindowUser::ControlRect(std::string_view name) {
  return ui::PixelRect(ui::Layout()[ui::IndexOf(name)]);
}

QPoint WindowUser::CellCentre(int n) {
  return ControlRect(std::string("Image") + std::to_string(n)).center();
}

void WindowUser::ClickAt(QPoint point) {
  QTest::mouseClick(shown_, Qt::LeftButton, {}, point);
}

void WindowUser::MoveTo(QPoint point) {
  QTest::mouseMove(shown_->windowHandle(), point);
  pointer_ = point;
}

void WindowUser::ChooseLevel(bool hard) {
  QTest::mouseClick(hard ? shown_->Option2() : shown_->Option1(), Qt::LeftButton);
}

void WindowUser::ClickNewGame() {
  QTest::mouseClick(shown_->Command2(), Qt::LeftButton);
}

void WindowUser::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

Window::Window() : form_(std::make_unique<Form1>(sound_)) {
  Show(*form_);
}

Window::~Window() = default;

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
