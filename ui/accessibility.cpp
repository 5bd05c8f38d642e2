#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form1.h"
#include "ui/layout.h"

namespace trixola::accessibility {

namespace {

// The digits of a count caption ("3", "Draw: 3", "3 Seconds"); "0" while the
// caption is still empty.
QString CountIn(const QString& caption) {
  QString digits;
  for (QChar c : caption) {
    if (c.isDigit()) {
      digits.append(c);
    } else if (!digits.isEmpty()) {
      break;
    }
  }
  return digits.isEmpty() ? QStringLiteral("0") : digits;
}

// The computer's mark is drawn in front of the player's, so it is the one seen.
QString CellName(int n, const Board::Cell& cell) {
  const char* owner = cell.computerVisible ? "computer's" : cell.playerVisible ? "yours" : "empty";
  return QStringLiteral("Cell %1: %2").arg(n).arg(QLatin1String(owner));
}

using NameFn = QString (*)(const Form1& form, int cell);

// One control of the window as a screen reader meets it. Rows are in reading
// order: status, board, score, clock, level, sound, commands, credit.
struct Entry {
  std::string_view control;
  // Painted controls only: the widgets speak for themselves.
  QAccessible::Role role = QAccessible::NoRole;
  NameFn name = nullptr;
  std::string_view description;
};

QString CellEntryName(const Form1& form, int n) {
  return CellName(n, form.game().board.cell(n));
}

constexpr Entry CellEntry(std::string_view control, std::string_view where) {
  return {control, QAccessible::Button, &CellEntryName, where};
}

constexpr Entry WidgetEntry(std::string_view control, std::string_view description) {
  return {control, QAccessible::NoRole, nullptr, description};
}

constexpr std::array kEntries{
    Entry{"Label1", QAccessible::StaticText,
          [](const Form1& form, int) { return form.Caption(Label::Label1).trimmed(); },
          "Game status"},
    CellEntry("Image1", "Top left of the board"),
    CellEntry("Image2", "Top middle of the board"),
    CellEntry("Image3", "Top right of the board"),
    CellEntry("Image4", "Middle left of the board"),
    CellEntry("Image5", "Centre of the board"),
    CellEntry("Image6", "Middle right of the board"),
    CellEntry("Image7", "Bottom left of the board"),
    CellEntry("Image8", "Bottom middle of the board"),
    CellEntry("Image9", "Bottom right of the board"),
    Entry{"Label4", QAccessible::StaticText,
          [](const Form1& form, int) {
            return QStringLiteral("Computer: ") + CountIn(form.Caption(Label::Label4));
          },
          "Matches the computer has won"},
    Entry{"Label5", QAccessible::StaticText,
          [](const Form1& form, int) {
            return QStringLiteral("You: ") + CountIn(form.Caption(Label::Label5));
          },
          "Matches you have won"},
    Entry{"Label6", QAccessible::StaticText,
          [](const Form1& form, int) {
            return QStringLiteral("Draw: ") + CountIn(form.Caption(Label::Label6));
          },
          "Drawn matches"},
    Entry{"lbltime", QAccessible::StaticText,
          [](const Form1& form, int) {
            return QStringLiteral("Time: ") + CountIn(form.Caption(Label::lbltime)) +
                   QStringLiteral(" Seconds");
          },
          "Time in this match"},
    WidgetEntry("Option1", "Level"),
    WidgetEntry("Option2", "Level"),
    Entry{"imgSound", QAccessible::Button,
          [](const Form1& form, int) {
            return QStringLiteral("Sound ") + form.Caption(Label::lblSound).trimmed().toLower();
          },
          "Turns the sound effects on or off"},
    WidgetEntry("Command2", "Starts a new match; the score is kept"),
    WidgetEntry("Command1", "Ends the game"),
    Entry{"Image10", QAccessible::Link,
          [](const Form1&, int) { return QStringLiteral("Contact the author"); },
          "Writes an e-mail to the author"},
};

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* WidgetFor(Form1& form, std::string_view control) {
  if (control == "Command1") return form.Command1();
  if (control == "Command2") return form.Command2();
  if (control == "Option1") return form.Option1();
  if (control == "Option2") return form.Option2();
  return nullptr;
}

// A control the window paints itself. It lives as long as the window's
// interface, which owns it through Qt's interface registry.
class PaintedControl final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  PaintedControl(Form1* form, const Entry& entry)
      : form_(form), entry_(entry), index_(ui::IndexOf(entry.control)) {}

  bool isValid() const override { return !form_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return form_.isNull() ? nullptr : form_->window()->windowHandle();
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(form_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text t) const override {
    if (form_.isNull()) return {};
    switch (t) {
      case QAccessible::Name:
        return entry_.name(*form_, ui::Layout()[index_].cell);
      case QAccessible::Description:
        return ToQString(entry_.description);
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}

  // In screen coordinates, as the framework wants them.
  QRect rect() const override {
    if (form_.isNull()) return {};
    const QRect local = form_->ControlRect(index_);
    return QRect(form_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return entry_.role; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (form_.isNull()) return state;
    state.invisible = !form_->isVisible();
    state.disabled = !form_->IsControlEnabled(index_);
    state.linked = entry_.role == QAccessible::Link;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface && Pressable()) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
  }
  QStringList actionNames() const override {
    return Pressable() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && !form_.isNull()) form_->PressControl(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  std::size_t layoutIndex() const { return index_; }

 private:
  bool Pressable() const {
    return entry_.role == QAccessible::Button || entry_.role == QAccessible::Link;
  }

  QPointer<Form1> form_;
  const Entry& entry_;
  std::size_t index_;
};

// The window: its children are the painted controls and the real widgets, in
// reading order.
class WindowInterface final : public QAccessibleWidget {
 public:
  explicit WindowInterface(Form1* form)
      : QAccessibleWidget(form, form->isWindow() ? QAccessible::Window : QAccessible::Client) {
    for (const Entry& entry : kEntries) {
      Child child;
      child.widget = WidgetFor(*form, entry.control);
      if (child.widget == nullptr) {
        child.painted = new PaintedControl(form, entry);
        child.id = QAccessible::registerAccessibleInterface(child.painted);
      }
      children_.push_back(child);
    }
  }

  ~WindowInterface() override {
    for (const Child& child : children_) {
      if (child.painted != nullptr) QAccessible::deleteAccessibleInterface(child.id);
    }
  }

  int childCount() const override { return static_cast<int>(children_.size()); }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const Child& child = children_[static_cast<std::size_t>(index)];
    if (child.painted != nullptr) return child.painted;
    return QAccessible::queryAccessibleInterface(child.widget);
  }

  int indexOfChild(const QAccessibleInterface* iface) const override {
    if (iface == nullptr) return -1;
    for (std::size_t i = 0; i < children_.size(); ++i) {
      const Child& child = children_[i];
      if (child.painted == iface || (child.widget != nullptr && child.widget == iface->object())) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }

  // The real widgets stand in front of everything painted; among the painted
  // controls the window's stacking order decides, as it does for clicks.
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint point(x, y);
    const PaintedControl* front = nullptr;
    for (const Child& child : children_) {
      if (child.widget != nullptr) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child.widget);
        if (child.widget->isVisible() && iface != nullptr && iface->rect().contains(point)) {
          return iface;
        }
      } else if (child.painted->rect().contains(point) &&
                 (front == nullptr || child.painted->layoutIndex() < front->layoutIndex())) {
        front = child.painted;
      }
    }
    return const_cast<PaintedControl*>(front);
  }

  PaintedControl* Painted(std::string_view control) const {
    for (const Child& child : children_) {
      if (child.painted != nullptr && ui::Layout()[child.painted->layoutIndex()].name == control) {
        return child.painted;
      }
    }
    return nullptr;
  }

 private:
  struct Child {
    QWidget* widget = nullptr;
    PaintedControl* painted = nullptr;
    QAccessible::Id id = 0;
  };
  std::vector<Child> children_;
};

// A level option. Qt's own interface for option buttons selects the option on
// "toggle" without a click, so the level handlers would never hear of it and
// the shown level and the played one would part. Here both actions click the
// option, as the mouse and the keyboard do.
class OptionInterface final : public QAccessibleWidget {
 public:
  explicit OptionInterface(QRadioButton* option)
      : QAccessibleWidget(option, QAccessible::RadioButton) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return WithoutAccessKey(Option()->text());
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

  // "&&" stands for one "&"; a single "&" marks the access key.
  static QString WithoutAccessKey(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
      if (text[i] == QLatin1Char('&') && ++i == text.size()) break;
      plain.append(text[i]);
    }
    return plain;
  }
};

// Qt asks the factory installed last first, so these take the place of Qt's
// own interfaces for the window and its two level options.
QAccessibleInterface* MakeInterface(const QString& key, QObject* object) {
  if (key == QLatin1String(Form1::staticMetaObject.className())) {
    auto* form = qobject_cast<Form1*>(object);
    return form == nullptr ? nullptr : new WindowInterface(form);
  }
  if (key == QLatin1String(QRadioButton::staticMetaObject.className())) {
    // Qt asks for it while the window is still making the button, before
    // the window knows it as Option1 or Option2; both option buttons of the
    // window are level options.
    if (qobject_cast<Form1*>(object->parent()) != nullptr) {
      return new OptionInterface(static_cast<QRadioButton*>(object));
    }
  }
  return nullptr;
}

PaintedControl* PaintedOf(Form1& form, std::string_view control) {
  auto* window = dynamic_cast<WindowInterface*>(QAccessible::queryAccessibleInterface(&form));
  return window == nullptr ? nullptr : window->Painted(control);
}

EventSink eventSink = nullptr;

void Deliver(QAccessibleEvent& event) {
  if (eventSink != nullptr) eventSink(&event);
  QAccessible::updateAccessibility(&event);
}

void Send(QAccessibleInterface* iface, QAccessible::Event type) {
  QAccessibleEvent event(iface, type);
  Deliver(event);
}

}  // namespace

void InstallInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(&MakeInterface);
    return true;
  }();
  (void)installed;
}

void Describe(Form1& form) {
  form.setAccessibleDescription(QStringLiteral("Noughts and crosses against the computer"));
  for (const Entry& entry : kEntries) {
    if (QWidget* widget = WidgetFor(form, entry.control)) {
      widget->setAccessibleDescription(ToQString(entry.description));
    }
  }
}

void CaptionChanged(Form1& form, Label label) {
  const std::size_t index = label == Label::lblSound ? ui::IndexOf("imgSound") : ui::IndexOf(label);
  if (PaintedControl* control = PaintedOf(form, ui::Layout()[index].name)) {
    Send(control, QAccessible::NameChanged);
  }
}

void CellChanged(Form1& form, int n, const Board::Cell& before) {
  const Board::Cell& now = form.game().board.cell(n);
  const bool renamed = CellName(n, before) != CellName(n, now);
  const bool locking = before.imageEnabled != now.imageEnabled;
  if (!renamed && !locking) return;
  PaintedControl* control = PaintedOf(form, "Image" + std::to_string(n));
  if (control == nullptr) return;
  if (renamed) Send(control, QAccessible::NameChanged);
  if (locking) {
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(control, changed);
    Deliver(event);
  }
}

void SetEventSink(EventSink sink) {
  eventSink = sink;
}

}  // namespace trixola::accessibility
