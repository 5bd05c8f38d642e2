// What a screen reader finds in the game window, read through Qt's
// accessibility interface of the real window: its children in reading order
// with their roles, names, places and states, before and after whole matches
// played through the children's press actions, and the change events that let
// a screen reader announce the result.
#include "ui/accessibility.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <algorithm>

#include "ui/layout.h"
#include "window_harness.h"

using trixola::Label;
using trixola::testing::LinkRecorder;
using trixola::testing::Window;

namespace {

// Events the window sends, with their control's name at the moment they go
// out, as a screen reader would read it then.
struct SentEvent {
  QAccessible::Event type;
  QAccessibleInterface* target;
  QString name;
  bool disabledChanged;
};

QList<SentEvent> sentEvents;

void RecordEvent(QAccessibleEvent* event) {
  QAccessibleInterface* target = event->accessibleInterface();
  SentEvent sent{event->type(), target,
                 target != nullptr ? target->text(QAccessible::Name) : QString(), false};
  if (event->type() == QAccessible::StateChanged) {
    sent.disabledChanged =
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().disabled;
  }
  sentEvents.append(sent);
}

// Records the window's accessibility events while it lives. (Qt itself
// passes events on only while an assistive technology listens, which the
// offscreen platform never has, so they are taken from the window's sink.)
class EventRecorder {
 public:
  EventRecorder() {
    sentEvents.clear();
    trixola::accessibility::SetEventSink(&RecordEvent);
  }
  ~EventRecorder() { trixola::accessibility::SetEventSink(nullptr); }
  EventRecorder(const EventRecorder&) = delete;
  EventRecorder& operator=(const EventRecorder&) = delete;

  // The names sent with events of this type for this control, in order.
  static QStringList Names(QAccessible::Event type, QAccessibleInterface* target) {
    QStringList names;
    for (const SentEvent& sent : sentEvents) {
      if (sent.type == type && sent.target == target) names.append(sent.name);
    }
    return names;
  }
  // How many events said that this control was locked or unlocked.
  static int DisabledChanges(QAccessibleInterface* target) {
    int count = 0;
    for (const SentEvent& sent : sentEvents) {
      if (sent.type == QAccessible::StateChanged && sent.target == target && sent.disabledChanged) {
        ++count;
      }
    }
    return count;
  }
};

QAccessibleInterface* Root(Window& window) {
  return QAccessible::queryAccessibleInterface(&window.form());
}

// The child whose name starts with this text ("Cell 5:", "Computer:", ...).
QAccessibleInterface* ChildNamed(QAccessibleInterface* root, const QString& start) {
  for (int i = 0; i < root->childCount(); ++i) {
    if (root->child(i)->text(QAccessible::Name).startsWith(start)) return root->child(i);
  }
  return nullptr;
}

QAccessibleInterface* Cell(QAccessibleInterface* root, int n) {
  return ChildNamed(root, QString("Cell %1:").arg(n));
}

// Reading order starts with the banner.
QAccessibleInterface* Banner(QAccessibleInterface* root) {
  return root->child(0);
}

void Press(QAccessibleInterface* child) {
  QVERIFY(child->actionInterface() != nullptr);
  QVERIFY(
      child->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  child->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

QRect GlobalRect(QWidget& form, QRect local) {
  return QRect(form.mapToGlobal(local.topLeft()), local.size());
}

QString CellName(int n, const QList<int>& player, const QList<int>& computer) {
  if (computer.contains(n)) return QString("Cell %1: computer's").arg(n);
  if (player.contains(n)) return QString("Cell %1: yours").arg(n);
  return QString("Cell %1: empty").arg(n);
}

}  // namespace

class WindowAccessibility : public QObject {
  Q_OBJECT

 private slots:
  void childrenAtStart();
  void childAtAgreesWithClicks_data();
  void childAtAgreesWithClicks();
  void wholeMatchByPressActions_data();
  void wholeMatchByPressActions();
  void lockedCellIsUnavailableAndIgnoresPress();
  void bothMarksNameTheComputer();
  void soundSwitchPress();
  void levelOptionsChangeTheLevel_data();
  void levelOptionsChangeTheLevel();
  void creditPressOpensMailLink();
  void clockName();
};

// Every child: role, name, a description, its place inside the window, and
// how the window's interface finds it again.
void WindowAccessibility::childrenAtStart() {
  Window window;
  window.form().Timer1()->stop();
  QAccessibleInterface* root = Root(window);
  QVERIFY(root != nullptr);
  QCOMPARE(root->role(), QAccessible::Window);
  QCOMPARE(root->text(QAccessible::Name), QString("Zembrik  TRIXOLA"));

  struct Expected {
    QAccessible::Role role;
    QString name;
    const char* control;  // layout control whose rectangle the child has
  };
  const QList<Expected> expected{
      {QAccessible::StaticText, "WELCOME TO TRIXOLA", "Label1"},
      {QAccessible::Button, "Cell 1: empty", "Image1"},
      {QAccessible::Button, "Cell 2: empty", "Image2"},
      {QAccessible::Button, "Cell 3: empty", "Image3"},
      {QAccessible::Button, "Cell 4: empty", "Image4"},
      {QAccessible::Button, "Cell 5: empty", "Image5"},
      {QAccessible::Button, "Cell 6: empty", "Image6"},
      {QAccessible::Button, "Cell 7: empty", "Image7"},
      {QAccessible::Button, "Cell 8: empty", "Image8"},
      {QAccessible::Button, "Cell 9: empty", "Image9"},
      {QAccessible::StaticText, "Computer: 0", "Label4"},
      {QAccessible::StaticText, "You: 0", "Label5"},
      {QAccessible::StaticText, "Draw: 0", "Label6"},
      {QAccessible::StaticText, "Time: 0 Seconds", "lbltime"},
      {QAccessible::RadioButton, "Easy", "Option1"},
      {QAccessible::RadioButton, "Hard", "Option2"},
      {QAccessible::Button, "Sound on", "imgSound"},
      {QAccessible::Button, "New Game", "Command2"},
      {QAccessible::Button, "Exit", "Command1"},
      {QAccessible::Link, "Contact the author", "Image10"},
  };
  QCOMPARE(root->childCount(), static_cast<int>(expected.size()));
  const QRect windowRect = GlobalRect(window.form(), window.form().rect());
  QCOMPARE(root->rect(), windowRect);
  for (int i = 0; i < expected.size(); ++i) {
    QAccessibleInterface* child = root->child(i);
    const Expected& want = expected[i];
    const QByteArray where = QByteArray("child ") + QByteArray::number(i) + " " + want.control;
    QVERIFY2(child != nullptr && child->isValid(), where);
    QCOMPARE(child->role(), want.role);
    QCOMPARE(child->text(QAccessible::Name), want.name);
    QVERIFY2(!child->text(QAccessible::Description).isEmpty(), where);
    QCOMPARE(child->parent(), root);
    QCOMPARE(root->indexOfChild(child), i);
    const QRect local = window.form().ControlRect(trixola::ui::IndexOf(want.control));
    QCOMPARE(child->rect(), GlobalRect(window.form(), local));
    QVERIFY2(windowRect.contains(child->rect()), where);
    QCOMPARE(root->childAt(child->rect().center().x(), child->rect().center().y()), child);
    const QAccessible::State state = child->state();
    QVERIFY2(!state.invisible && !state.disabled, where);
  }
  // The level options say what they choose; "Easy" is the one selected.
  for (int i : {14, 15}) {
    QCOMPARE(root->child(i)->text(QAccessible::Description), QString("Level"));
    QVERIFY(root->child(i)->state().checkable);
  }
  QVERIFY(root->child(14)->state().checked);
  QVERIFY(!root->child(15)->state().checked);
  // Only the controls that take clicks offer an action.
  for (int i : {0, 10, 11, 12, 13}) QVERIFY(root->child(i)->actionInterface() == nullptr);
}

// Where two cells' click targets overlap by a pixel, the point belongs to
// the same cell for a screen reader as for the mouse.
void WindowAccessibility::childAtAgreesWithClicks_data() {
  QTest::addColumn<QPoint>("point");
  QTest::addColumn<int>("cell");
  QTest::newRow("column shared by cells 1 and 2") << QPoint(112, 60) << 2;
  QTest::newRow("row shared by cells 2 and 5") << QPoint(136, 96) << 5;
  QTest::newRow("column shared by cells 8 and 9") << QPoint(160, 200) << 8;
  QTest::newRow("inside cell 3") << QPoint(185, 60) << 3;
}

void WindowAccessibility::childAtAgreesWithClicks() {
  QFETCH(QPoint, point);
  QFETCH(int, cell);
  Window window;
  QAccessibleInterface* root = Root(window);
  const QPoint global = window.form().mapToGlobal(point);
  QCOMPARE(root->childAt(global.x(), global.y()), Cell(root, cell));
  QTest::mouseClick(&window.form(), Qt::LeftButton, {}, point);
  QCOMPARE(window.PlayerCells(), QList<int>{cell});
}

void WindowAccessibility::wholeMatchByPressActions_data() {
  QTest::addColumn<bool>("hard");
  QTest::addColumn<QList<int>>("presses");
  QTest::addColumn<QList<int>>("computer");
  QTest::addColumn<QString>("banner");
  QTest::addColumn<QStringList>("scores");

  QTest::newRow("easy: computer wins column 1-4-7")
      << false << QList<int>{5, 6, 9} << QList<int>{1, 4, 7} << "COMPUTER WON THE GAME"
      << QStringList{"Computer: 1", "You: 0", "Draw: 0"};
  QTest::newRow("easy: player wins row 1-2-3")
      << false << QList<int>{1, 3, 2} << QList<int>{5, 7, 8} << "YOU WON THE GAME"
      << QStringList{"Computer: 0", "You: 1", "Draw: 0"};
  QTest::newRow("easy: draw") << false << QList<int>{1, 2, 7, 6, 8} << QList<int>{3, 4, 5, 9}
                              << "THE MATCH IS DRAW"
                              << QStringList{"Computer: 0", "You: 0", "Draw: 1"};
  QTest::newRow("hard: computer blocks and wins row 7-8-9")
      << true << QList<int>{5, 6, 1, 3} << QList<int>{4, 7, 8, 9} << "COMPUTER WON THE GAME"
      << QStringList{"Computer: 1", "You: 0", "Draw: 0"};
}

// A match played only through the cells' press actions: the computer
// answers, the names follow the board, the match's end locks every cell and
// the result goes out as a name change of the banner. New Game, pressed
// through its own action, brings back the welcome and free cells.
void WindowAccessibility::wholeMatchByPressActions() {
  QFETCH(bool, hard);
  QFETCH(QList<int>, presses);
  QFETCH(QList<int>, computer);
  QFETCH(QString, banner);
  QFETCH(QStringList, scores);

  Window window;
  window.form().Timer1()->stop();
  QAccessibleInterface* root = Root(window);
  if (hard) window.ChooseLevel(true);
  EventRecorder recorder;

  for (int n : presses) Press(Cell(root, n));

  QList<int> player = presses;
  std::sort(player.begin(), player.end());
  QCOMPARE(window.PlayerCells(), player);
  QCOMPARE(window.ComputerCells(), computer);
  QCOMPARE(Banner(root)->text(QAccessible::Name), banner);
  QCOMPARE(EventRecorder::Names(QAccessible::NameChanged, Banner(root)), QStringList{banner});
  QCOMPARE(ChildNamed(root, "Computer:")->text(QAccessible::Name), scores[0]);
  QCOMPARE(ChildNamed(root, "You:")->text(QAccessible::Name), scores[1]);
  QCOMPARE(ChildNamed(root, "Draw:")->text(QAccessible::Name), scores[2]);
  for (const QString& score : scores) {
    const bool counted = !score.endsWith(": 0");
    QCOMPARE(EventRecorder::Names(QAccessible::NameChanged, ChildNamed(root, score)).size(),
             counted ? 1 : 0);
  }
  for (int n = 1; n <= 9; ++n) {
    QAccessibleInterface* cell = Cell(root, n);
    QCOMPARE(cell->text(QAccessible::Name), CellName(n, presses, computer));
    QVERIFY2(cell->state().disabled, qPrintable(cell->text(QAccessible::Name)));
    QCOMPARE(EventRecorder::DisabledChanges(cell), 1);
    const bool marked = presses.contains(n) || computer.contains(n);
    QCOMPARE(EventRecorder::Names(QAccessible::NameChanged, cell),
             marked ? QStringList{CellName(n, presses, computer)} : QStringList{});
  }

  sentEvents.clear();
  Press(ChildNamed(root, "New Game"));
  QTRY_VERIFY(window.FreeCells().size() == 9);
  QCOMPARE(Banner(root)->text(QAccessible::Name), QString("WELCOME TO TRIXOLA"));
  QCOMPARE(EventRecorder::Names(QAccessible::NameChanged, Banner(root)),
           QStringList{"WELCOME TO TRIXOLA"});
  for (int n = 1; n <= 9; ++n) {
    QAccessibleInterface* cell = Cell(root, n);
    QCOMPARE(cell->text(QAccessible::Name), QString("Cell %1: empty").arg(n));
    QVERIFY(!cell->state().disabled);
    QCOMPARE(EventRecorder::DisabledChanges(cell), 1);
  }
  // The score stays.
  QCOMPARE(ChildNamed(root, "Computer:")->text(QAccessible::Name), scores[0]);
}

void WindowAccessibility::lockedCellIsUnavailableAndIgnoresPress() {
  Window window;
  QAccessibleInterface* root = Root(window);
  Press(Cell(root, 5));  // the computer answers on 4
  QCOMPARE(window.ComputerCells(), QList<int>{4});
  for (int n : {4, 5}) QVERIFY(Cell(root, n)->state().disabled);
  QVERIFY(!Cell(root, 1)->state().disabled);
  window.sounds().clear();
  const trixola::Board before = window.game().board;
  Press(Cell(root, 5));
  Press(Cell(root, 4));
  QVERIFY(window.game().board == before);
  QVERIFY(window.sounds().isEmpty());
}

// The computer's mark is drawn in front of the player's.
void WindowAccessibility::bothMarksNameTheComputer() {
  Window window;
  QAccessibleInterface* root = Root(window);
  trixola::Board& board = window.game().board;
  board.ShowPlayerMark(3);
  board.ShowComputerMark(3);
  QCOMPARE(Cell(root, 3)->text(QAccessible::Name), QString("Cell 3: computer's"));
}

void WindowAccessibility::soundSwitchPress() {
  Window window;
  QAccessibleInterface* root = Root(window);
  QAccessibleInterface* sound = ChildNamed(root, "Sound ");
  EventRecorder recorder;
  Press(sound);
  QCOMPARE(sound->text(QAccessible::Name), QString("Sound off"));
  QCOMPARE(window.form().Caption(Label::lblSound), QString("Off"));
  QVERIFY(!window.game().Sound);
  Press(sound);
  QCOMPARE(sound->text(QAccessible::Name), QString("Sound on"));
  QVERIFY(window.game().Sound);
  QCOMPARE(EventRecorder::Names(QAccessible::NameChanged, sound),
           (QStringList{"Sound off", "Sound on"}));
  // "level" sounds both when the switch goes off and when it goes on.
  QCOMPARE(window.sounds(), (QStringList{"level", "level"}));
}

void WindowAccessibility::levelOptionsChangeTheLevel_data() {
  QTest::addColumn<QString>("action");
  QTest::newRow("toggle") << QAccessibleActionInterface::toggleAction();
  QTest::newRow("press") << QAccessibleActionInterface::pressAction();
}

// Choosing a level through an option's action runs the level handler, as a
// click does: the level changes and its sound plays.
void WindowAccessibility::levelOptionsChangeTheLevel() {
  QFETCH(QString, action);
  Window window;
  QAccessibleInterface* root = Root(window);
  QAccessibleInterface* hard = ChildNamed(root, "Hard");
  QAccessibleInterface* easy = ChildNamed(root, "Easy");
  QVERIFY(
      hard->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  hard->actionInterface()->doAction(action);
  QTRY_COMPARE(window.game().Hard, 1);
  QVERIFY(window.form().Option2()->isChecked());
  QVERIFY(hard->state().checked);
  QCOMPARE(window.sounds(), QStringList{"level"});
  easy->actionInterface()->doAction(action);
  QTRY_COMPARE(window.game().Hard, 0);
  QVERIFY(easy->state().checked && !hard->state().checked);
  QCOMPARE(window.sounds(), (QStringList{"level", "level"}));
}

void WindowAccessibility::creditPressOpensMailLink() {
  Window window;
  QAccessibleInterface* credit = ChildNamed(Root(window), "Contact the author");
  QVERIFY(credit->state().linked);
  LinkRecorder recorder;
  QDesktopServices::setUrlHandler("mailto", &recorder, "Open");
  Press(credit);
  QDesktopServices::unsetUrlHandler("mailto");
  QCOMPARE(recorder.links, QList<QUrl>{QUrl("mailto:orvandel@trixola.example.org")});
}

// The clock's name follows its seconds, and each tick is sent as a change.
void WindowAccessibility::clockName() {
  Window window;
  QAccessibleInterface* clock = ChildNamed(Root(window), "Time:");
  EventRecorder recorder;
  QTRY_VERIFY_WITH_TIMEOUT(!EventRecorder::Names(QAccessible::NameChanged, clock).isEmpty(), 3000);
  QCOMPARE(clock->text(QAccessible::Name), QString("Time: %1 Seconds").arg(window.game().tm));
  QCOMPARE(EventRecorder::Names(QAccessible::NameChanged, clock).last(),
           clock->text(QAccessible::Name));
}

QTEST_MAIN(WindowAccessibility)
#include "accessibility_test.moc"
