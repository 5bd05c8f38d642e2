#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QRadioButton>
#include <QWindow>
#include <algorithm>
#include <array>
#include <vector>

#include "board_view.h"
#include "game_window.h"
#include "layout.h"
#include "picture_button.h"
#include "texts.h"

namespace trixola::accessibility {

namespace {

// One cell of the board. It lives as long as the window's interface, which
// owns it through Qt's interface registry.
class CellInterface final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  CellInterface(BoardView* board, int cell) : board_(board), cell_(cell) {}

  bool isValid() const override { return !board_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return board_.isNull() ? nullptr : board_->window()->windowHandle();
  }
  QAccessibleInterface* parent() const override {
    return board_.isNull() ? nullptr : QAccessible::queryAccessibleInterface(board_->window());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text t) const override {
    if (board_.isNull()) return {};
    if (t == QAccessible::Name) return texts::CellName(cell_, board_->MarkAt(cell_));
    if (t == QAccessible::Description) return texts::CellDescription(cell_);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}

  // In screen coordinates, as the framework wants them.
  QRect rect() const override {
    if (board_.isNull()) return {};
    const QRect local = BoardView::CellRect(cell_);
    return QRect(board_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (board_.isNull()) return state;
    state.invisible = !board_->isVisible();
    state.disabled = !board_->IsPlayable(cell_);
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction() && !board_.isNull()) board_->Press(cell_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  int cell() const { return cell_; }

 private:
  QPointer<BoardView> board_;
  int cell_;
};

// What has just happened in the game, told to a screen reader that is
// following the focus elsewhere: the notification inside the window's status
// bar. Its name is the last thing told. Orca 43 speaks a notification when it
// is shown, and inside a status bar without its role; from Qt 6.8 on, the
// notification sends an announcement instead, which Orca 48 speaks as it is
// (it would say "notification" before a shown one).
class NotificationInterface final : public QAccessibleInterface {
 public:
  explicit NotificationInterface(QAccessibleInterface* statusBar) : statusBar_(statusBar) {}

  bool isValid() const override { return statusBar_->isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return statusBar_->window(); }
  QAccessibleInterface* parent() const override { return statusBar_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? told_ : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return statusBar_->rect(); }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return statusBar_->state(); }

  void Tell(const QString& told) {
    told_ = told;
    // Screen readers keep names; the new one replaces the old in theirs
    // before it is spoken.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(this, told);
    QAccessible::updateAccessibility(&announcement);
#else
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
  }

 private:
  QAccessibleInterface* statusBar_;
  QString told_;
};

// The window's status bar: nothing on the screen, only the place of the
// notification. It takes no room, at the window's top left corner.
class StatusBarInterface final : public QAccessibleInterface {
 public:
  explicit StatusBarInterface(QWidget* window)
      : window_(window),
        notification_(new NotificationInterface(this)),
        notificationId_(QAccessible::registerAccessibleInterface(notification_)) {}
  ~StatusBarInterface() override { QAccessible::deleteAccessibleInterface(notificationId_); }

  bool isValid() const override { return !window_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return window_.isNull() ? nullptr : window_->windowHandle(); }
  QAccessibleInterface* parent() const override {
    return window_.isNull() ? nullptr : QAccessible::queryAccessibleInterface(window_);
  }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? notification_ : nullptr;
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 1; }
  int indexOfChild(const QAccessibleInterface* iface) const override {
    return iface == notification_ ? 0 : -1;
  }
  QString text(QAccessible::Text) const override { return {}; }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    return window_.isNull() ? QRect() : QRect(window_->mapToGlobal(QPoint(0, 0)), QSize(0, 0));
  }
  QAccessible::Role role() const override { return QAccessible::StatusBar; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = window_.isNull() || !window_->isVisible();
    return state;
  }

  NotificationInterface* notification() const { return notification_; }

 private:
  QPointer<QWidget> window_;
  NotificationInterface* notification_;
  QAccessible::Id notificationId_;
};

class WindowInterface final : public QAccessibleWidget {
 public:
  explicit WindowInterface(GameWindow* window)
      : QAccessibleWidget(window, window->isWindow() ? QAccessible::Window : QAccessible::Client) {}

  ~WindowInterface() override {
    for (const Child& child : children_) {
      if (child.own != nullptr) QAccessible::deleteAccessibleInterface(child.id);
    }
  }

  int childCount() const override { return static_cast<int>(Children().size()); }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const Child& child = Children()[static_cast<std::size_t>(index)];
    if (child.own != nullptr) return child.own;
    return QAccessible::queryAccessibleInterface(child.widget);
  }

  int indexOfChild(const QAccessibleInterface* iface) const override {
    if (iface == nullptr) return -1;
    for (std::size_t i = 0; i < Children().size(); ++i) {
      const Child& child = Children()[i];
      if (child.own == iface || (child.widget != nullptr && child.widget == iface->object())) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }

  // The controls with widgets of their own first; among the cells, the one
  // that would take a click there.
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint point(x, y);
    for (const Child& child : Children()) {
      if (child.widget == nullptr || !child.widget->isVisible()) continue;
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child.widget);
      if (iface != nullptr && iface->rect().contains(point)) return iface;
    }
    for (int cell : layout::kCellsFrontFirst) {
      CellInterface* iface = Cell(cell);
      if (iface != nullptr && iface->rect().contains(point)) return iface;
    }
    return nullptr;
  }

  CellInterface* Cell(int cell) const {
    for (const Child& child : Children()) {
      auto* iface = dynamic_cast<CellInterface*>(child.own);
      if (iface != nullptr && iface->cell() == cell) return iface;
    }
    return nullptr;
  }

  // Null until the window has made its controls.
  NotificationInterface* Notification() const {
    if (Children().empty()) return nullptr;
    return static_cast<StatusBarInterface*>(Children().back().own)->notification();
  }

 private:
  // A control with a widget of its own, or one made here (a cell, the
  // status bar), which the window's interface owns through Qt's registry.
  struct Child {
    QWidget* widget;
    QAccessibleInterface* own;
    QAccessible::Id id;
  };
  void Own(QAccessibleInterface* iface) const {
    children_.push_back({nullptr, iface, QAccessible::registerAccessibleInterface(iface)});
  }
  // Made on first use once the window has made its controls: Qt may ask for
  // the window's interface while the window is still being made.
  const std::vector<Child>& Children() const {
    if (!children_.empty()) return children_;
    const std::vector<QWidget*> widgets = static_cast<GameWindow*>(widget())->AccessibleChildren();
    if (std::find(widgets.begin(), widgets.end(), nullptr) != widgets.end()) return children_;
    for (QWidget* widget : widgets) {
      auto* board = qobject_cast<BoardView*>(widget);
      if (board == nullptr) {
        children_.push_back({widget, nullptr, 0});
        continue;
      }
      for (int cell = kFirstCell; cell <= kLastCell; ++cell) Own(new CellInterface(board, cell));
    }
    // Last, after the controls on the screen.
    Own(new StatusBarInterface(widget()));
    return children_;
  }

  mutable std::vector<Child> children_;
};

// A level option. Qt's own interface for option buttons selects the option on
// "toggle" without a click, so the game would never hear of the new level.
// Here both actions click the option, as the mouse and the keyboard do.
class OptionInterface final : public QAccessibleWidget {
 public:
  explicit OptionInterface(QRadioButton* option)
      : QAccessibleWidget(option, QAccessible::RadioButton) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Option()->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Option()->isChecked();
    return state;
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names.prepend(toggleAction());
    return names;
  }
  void doAction(const QString& name) override {
    if (name != toggleAction() && name != pressAction()) {
      QAccessibleWidget::doAction(name);
    } else if (widget()->isEnabled()) {
      Option()->click();
    }
  }

 private:
  QRadioButton* Option() const { return static_cast<QRadioButton*>(widget()); }
};

// The sound switch and the credit picture: pressed at once, as a click.
class PictureButtonInterface final : public QAccessibleWidget {
 public:
  explicit PictureButtonInterface(PictureButton* button)
      : QAccessibleWidget(button, button->accessibleRole()) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = role() == QAccessible::Link;
    return state;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction()) static_cast<PictureButton*>(widget())->click();
  }
};

// Qt asks the factory installed last first, so these take the place of Qt's
// own interfaces.
QAccessibleInterface* MakeInterface(const QString& key, QObject* object) {
  if (key == QLatin1String(GameWindow::staticMetaObject.className())) {
    return new WindowInterface(static_cast<GameWindow*>(object));
  }
  if (key == QLatin1String(PictureButton::staticMetaObject.className())) {
    return new PictureButtonInterface(static_cast<PictureButton*>(object));
  }
  // Qt may ask while the window is still making the button; both option
  // buttons of the game window are level options.
  if (key == QLatin1String(QRadioButton::staticMetaObject.className()) &&
      qobject_cast<GameWindow*>(object->parent()) != nullptr) {
    return new OptionInterface(static_cast<QRadioButton*>(object));
  }
  return nullptr;
}

// Without a screen reader listening nobody hears what is told; the window's
// interface is then not made on a click either.
WindowInterface* Listened(QWidget* window) {
  if (!QAccessible::isActive()) return nullptr;
  return dynamic_cast<WindowInterface*>(QAccessible::queryAccessibleInterface(window));
}

}  // namespace

void Install() {
  static const bool installed = [] {
    QAccessible::installFactory(&MakeInterface);
    return true;
  }();
  (void)installed;
}

void CellChanged(BoardView& board, int cell, bool renamed, bool availability) {
  WindowInterface* window = Listened(board.window());
  CellInterface* iface = window == nullptr ? nullptr : window->Cell(cell);
  if (iface == nullptr) return;
  if (renamed) {
    QAccessibleEvent event(iface, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
  if (availability) {
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(iface, changed);
    QAccessible::updateAccessibility(&event);
  }
}

void Tell(GameWindow& window, const QString& told) {
  WindowInterface* iface = Listened(&window);
  NotificationInterface* notification = iface == nullptr ? nullptr : iface->Notification();
  if (notification != nullptr) notification->Tell(told);
}

}  // namespace trixola::accessibility
