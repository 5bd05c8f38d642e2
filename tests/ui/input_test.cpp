// The window's start state and how it routes input: focus and tab order,
// Enter, Space and access keys on the buttons, the level options from mouse
// and keyboard, the sound switch, clicks and mouse moves over the windowless
// controls, the contact link and ending the program.
#include <QDesktopServices>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "window_harness.h"

using trixola::Label;
using trixola::testing::LinkRecorder;
using trixola::testing::Window;

namespace {

const QString kTitle = "Zembrik  TRIXOLA";
const QString kCredit = " TRIXOLA By Orvandel";

}  // namespace

class WindowInput : public QObject {
  Q_OBJECT

 private slots:
  void startState();
  void tabOrder();
  void buttonKeys_data();
  void buttonKeys();
  void levelFromKeyboard();
  void clickNeedsLeftPressAndReleaseOnOneTarget();
  void overlapGoesToFrontmostEnabledCell_data();
  void overlapGoesToFrontmostEnabledCell();
  void mouseMoveCaptions_data();
  void mouseMoveCaptions();
  void lockedCellIsBackground();
  void creditOpensMailLink();
  void closingTheWindowEndsTheProgram();
};

void WindowInput::startState() {
  Window window;
  trixola::Form1& form = window.form();
  QCOMPARE(form.windowTitle(), kTitle);
  QCOMPARE(form.size(), QSize(520, 294));
  QCOMPARE(form.minimumSize(), form.maximumSize());
  QVERIFY(!form.windowIcon().isNull());
  QCOMPARE(QApplication::focusWidget(), form.Command1());
  QVERIFY(form.Option1()->isChecked());
  QVERIFY(!form.Option2()->isChecked());
  QCOMPARE(form.Command2()->geometry(), QRect(312, 248, 81, 33));
  QCOMPARE(form.Command1()->geometry(), QRect(424, 248, 81, 33));
  QCOMPARE(form.Option1()->geometry(), QRect(80, 256, 49, 17));
  QCOMPARE(form.Option2()->geometry(), QRect(128, 256, 49, 17));
  QCOMPARE(form.Caption(Label::Label1), QString("WELCOME TO TRIXOLA"));
  QCOMPARE(form.ForeColor(Label::Label1), QColor(255, 128, 0));
  QCOMPARE(form.Caption(Label::lblSound), QString("On"));
  for (Label empty : {Label::Label4, Label::Label5, Label::Label6, Label::lbltime}) {
    QCOMPARE(form.Caption(empty), QString());
  }
  QCOMPARE(window.game().WON, trixola::kNoResult);
  QVERIFY(window.game().Sound);
  QCOMPARE(window.game().Hard, 0);
  QCOMPARE(window.FreeCells().size(), 9);
  for (int n = 1; n <= 9; ++n) QVERIFY(window.game().board.cell(n).imageBorder);
  QCOMPARE(window.sounds(), QStringList{});
}

// The option group is one stop between "&Exit" and "&New Game".
void WindowInput::tabOrder() {
  Window window;
  trixola::Form1& form = window.form();
  const QList<QWidget*> forward{form.Option1(), form.Command2(), form.Command1(), form.Option1()};
  for (QWidget* expected : forward) {
    Window::Press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), expected);
  }
  const QList<QWidget*> backward{form.Command1(), form.Command2(), form.Option1()};
  for (QWidget* expected : backward) {
    Window::Press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), expected);
  }
}

void WindowInput::buttonKeys_data() {
  QTest::addColumn<bool>("focusOnExit");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<bool>("exits");  // otherwise it is New Game
  QTest::newRow("Enter on &Exit") << true << int(Qt::Key_Return) << 0 << true;
  QTest::newRow("keypad Enter on &Exit") << true << int(Qt::Key_Enter) << 0 << true;
  QTest::newRow("Space on &Exit") << true << int(Qt::Key_Space) << 0 << true;
  QTest::newRow("Enter on &New Game") << false << int(Qt::Key_Return) << 0 << false;
  QTest::newRow("Space on &New Game") << false << int(Qt::Key_Space) << 0 << false;
  QTest::newRow("Alt+E on &New Game") << false << int(Qt::Key_E) << int(Qt::AltModifier) << true;
  QTest::newRow("Alt+N on &Exit") << true << int(Qt::Key_N) << int(Qt::AltModifier) << false;
}

// Enter and Space press the focused button, an access key its own button.
void WindowInput::buttonKeys() {
  QFETCH(bool, focusOnExit);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(bool, exits);

  Window window;
  trixola::Form1& form = window.form();
  QSignalSpy unloaded(&form, &trixola::Form1::Unloaded);
  window.ClickCell(5);
  QCOMPARE(window.FreeCells().size(), 7);
  (focusOnExit ? form.Command1() : form.Command2())->setFocus();
  Window::Press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  if (exits) {
    QTRY_COMPARE(unloaded.count(), 1);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.Timer1()->isActive());
    QCOMPARE(window.FreeCells().size(), 7);
  } else {
    QTRY_COMPARE(window.FreeCells().size(), 9);
    QCOMPARE(unloaded.count(), 0);
    QVERIFY(form.isVisible());
  }
}

// Arrow keys move the selection within the option group, and each move is a
// click on the newly selected option.
void WindowInput::levelFromKeyboard() {
  Window window;
  trixola::Form1& form = window.form();
  Window::Press(Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), form.Option1());
  Window::Press(Qt::Key_Right);
  QVERIFY(form.Option2()->isChecked());
  QCOMPARE(window.game().Hard, 1);
  QCOMPARE(window.sounds(), QStringList{"level"});
  Window::Press(Qt::Key_Left);
  QVERIFY(form.Option1()->isChecked());
  QCOMPARE(window.game().Hard, 0);
  QCOMPARE(window.sounds(), (QStringList{"level", "level"}));
  // Space on the selected option clicks it again.
  Window::Press(Qt::Key_Space);
  QCOMPARE(window.sounds(), (QStringList{"level", "level", "level"}));
  QCOMPARE(window.game().Hard, 0);
}

void WindowInput::clickNeedsLeftPressAndReleaseOnOneTarget() {
  Window window;
  trixola::Form1& form = window.form();
  QTest::mousePress(&form, Qt::LeftButton, {}, Window::CellCentre(1));
  QTest::mouseRelease(&form, Qt::LeftButton, {}, Window::CellCentre(2));
  QTest::mouseClick(&form, Qt::RightButton, {}, Window::CellCentre(3));
  QTest::mousePress(&form, Qt::LeftButton, {}, Window::CellCentre(4));
  QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(480, 20));  // bare background
  QCOMPARE(window.FreeCells().size(), 9);
  QCOMPARE(window.sounds(), QStringList{});
  // Press and release may be apart as long as both are on the same cell.
  const QPoint corner = Window::ControlRect("Image6").topLeft() + QPoint(3, 3);
  QTest::mousePress(&form, Qt::LeftButton, {}, corner);
  QTest::mouseRelease(&form, Qt::LeftButton, {}, Window::CellCentre(6));
  QVERIFY(window.PlayerCells().contains(6));
}

void WindowInput::overlapGoesToFrontmostEnabledCell_data() {
  QTest::addColumn<QPoint>("point");
  QTest::addColumn<QList<int>>("first");
  QTest::addColumn<QList<int>>("second");
  // Neighbouring click targets share a column or a row of pixels. There the
  // front one takes the click while it is free, the one behind once the front
  // one is locked. Image8 stands in front of all other cells.
  QTest::newRow("7|8, the computer answers 9")
      << QPoint(112, 192) << QList<int>{8} << QList<int>{7, 8};
  QTest::newRow("8|9, the computer answers 9")
      << QPoint(160, 192) << QList<int>{8} << QList<int>{8};
  QTest::newRow("2 above 5, the computer answers 4")
      << QPoint(136, 96) << QList<int>{5} << QList<int>{2, 5};
}

void WindowInput::overlapGoesToFrontmostEnabledCell() {
  QFETCH(QPoint, point);
  QFETCH(QList<int>, first);
  QFETCH(QList<int>, second);
  Window window;
  QTest::mouseClick(&window.form(), Qt::LeftButton, {}, point);
  QCOMPARE(window.PlayerCells(), first);
  QTest::mouseClick(&window.form(), Qt::LeftButton, {}, point);
  QCOMPARE(window.PlayerCells(), second);
}

void WindowInput::mouseMoveCaptions_data() {
  QTest::addColumn<QPoint>("point");
  QTest::addColumn<QString>("afterCredit");  // caption when coming from the credit picture
  QTest::addColumn<QString>("afterTitle");   // caption when coming from the background

  QTest::newRow("black area") << QPoint(480, 20) << kTitle << kTitle;
  QTest::newRow("outer grid line") << QPoint(64, 130) << kTitle << kTitle;
  QTest::newRow("grid line between free cells") << QPoint(112, 60) << kTitle << kTitle;
  QTest::newRow("scoreboard frame") << QPoint(272, 180) << kTitle << kTitle;
  QTest::newRow("level frame") << QPoint(66, 249) << kTitle << kTitle;
  QTest::newRow("colour box") << QPoint(316, 146) << kTitle << kTitle;
  QTest::newRow("credit picture") << QPoint(20, 260) << kCredit << kCredit;
  QTest::newRow("free cell") << Window::CellCentre(5) << kCredit << kTitle;
  QTest::newRow("label Computer") << QPoint(340, 142) << kCredit << kTitle;
  QTest::newRow("banner") << QPoint(300, 60) << kCredit << kTitle;
  QTest::newRow("sound switch") << QPoint(200, 264) << kCredit << kTitle;
  QTest::newRow("button") << QPoint(350, 264) << kCredit << kTitle;
  QTest::newRow("option button") << QPoint(100, 264) << kCredit << kTitle;
}

void WindowInput::mouseMoveCaptions() {
  QFETCH(QPoint, point);
  QFETCH(QString, afterCredit);
  QFETCH(QString, afterTitle);

  Window window;
  const QPoint credit = Window::ControlRect("Image10").center();
  const QPoint background(480, 20);
  window.MoveTo(credit);
  QCOMPARE(window.form().windowTitle(), kCredit);
  window.MoveTo(point);
  QCOMPARE(window.form().windowTitle(), afterCredit);
  window.MoveTo(background);
  QCOMPARE(window.form().windowTitle(), kTitle);
  window.MoveTo(point);
  QCOMPARE(window.form().windowTitle(), afterTitle);
}

// A locked cell's click target lets mouse moves through to the window, even
// where a mark is shown.
void WindowInput::lockedCellIsBackground() {
  Window window;
  window.ClickCell(5);  // the computer answers on 4, the table locks it
  const QPoint credit = Window::ControlRect("Image10").center();
  for (int n : {4, 5}) {
    window.MoveTo(credit);
    window.MoveTo(Window::CellCentre(n));
    QCOMPARE(window.form().windowTitle(), kTitle);
  }
  window.MoveTo(credit);
  window.MoveTo(Window::CellCentre(1));
  QCOMPARE(window.form().windowTitle(), kCredit);
}

void WindowInput::creditOpensMailLink() {
  LinkRecorder recorder;
  QDesktopServices::setUrlHandler("mailto", &recorder, "Open");
  Window window;
  window.ClickControl("Image10");
  QDesktopServices::unsetUrlHandler("mailto");
  QCOMPARE(recorder.links, QList<QUrl>{QUrl("mailto:orvandel@trixola.example.org")});
  QCOMPARE(window.sounds(), QStringList{});
  QCOMPARE(window.FreeCells().size(), 9);
}

void WindowInput::closingTheWindowEndsTheProgram() {
  Window window;
  QSignalSpy unloaded(&window.form(), &trixola::Form1::Unloaded);
  window.form().close();
  QCOMPARE(unloaded.count(), 1);
  QVERIFY(!window.form().Timer1()->isActive());
  QCOMPARE(window.sounds(), QStringList{});
}

QTEST_MAIN(WindowInput)
#include "input_test.moc"
