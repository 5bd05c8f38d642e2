// Whole matches played through the window with the mouse and keyboard: the
// marks, the banner, the scoreboard, the clock, the end-of-match focus and
// the sounds asked for.
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "window_harness.h"

using trixola::Label;
using trixola::testing::Window;

namespace {

const QColor kOrange(255, 128, 0);
const QColor kGreen(0, 192, 0);
const QColor kWhite(255, 255, 255);

}  // namespace

class MatchThroughWindow : public QObject {
  Q_OBJECT

 private slots:
  void wholeMatch_data();
  void wholeMatch();
  void newGameKeepsTheScore();
  void levelSwitchMidMatch_data();
  void levelSwitchMidMatch();
  void lockedCellsIgnoreClicks();
  void clockCounts();
  void clockRunsFromCreation();
  void soundOffPlaysNothing();
};

void MatchThroughWindow::wholeMatch_data() {
  QTest::addColumn<bool>("hard");
  QTest::addColumn<QList<int>>("clicks");
  QTest::addColumn<QList<int>>("computer");
  QTest::addColumn<QString>("banner");
  QTest::addColumn<QColor>("bannerColor");
  QTest::addColumn<QString>("computerScore");
  QTest::addColumn<QString>("playerScore");
  QTest::addColumn<QString>("draws");
  QTest::addColumn<QStringList>("sounds");

  const QStringList three{"click", "click", "click"};
  QTest::newRow("easy: computer wins column 1-4-7")
      << false << QList<int>{5, 6, 9} << QList<int>{1, 4, 7} << "COMPUTER WON THE GAME" << kGreen
      << "1"
      << ""
      << "" << three + QStringList{"compwon"};
  QTest::newRow("easy: player wins row 1-2-3")
      << false << QList<int>{1, 3, 2} << QList<int>{5, 7, 8} << "  YOU WON THE GAME" << kGreen << ""
      << "1"
      << "" << three + QStringList{"youwon"};
  QTest::newRow("easy: draw") << false << QList<int>{1, 2, 7, 6, 8} << QList<int>{3, 4, 5, 9}
                              << "THE MATCH IS DRAW" << kWhite << ""
                              << ""
                              << "Draw: 1"
                              << QStringList{"click", "click", "click", "click", "click", "draw"};
  QTest::newRow("hard: computer blocks and wins row 7-8-9")
      << true << QList<int>{5, 6, 1, 3} << QList<int>{4, 7, 8, 9} << "COMPUTER WON THE GAME"
      << kGreen << "1"
      << ""
      << "" << QStringList{"level", "click", "click", "click", "click", "compwon"};
  QTest::newRow("hard: player wins column 3-6-9")
      << true << QList<int>{1, 6, 3, 9} << QList<int>{2, 4, 5, 8} << "  YOU WON THE GAME" << kGreen
      << ""
      << "1"
      << "" << QStringList{"level", "click", "click", "click", "click", "youwon"};
}

void MatchThroughWindow::wholeMatch() {
  QFETCH(bool, hard);
  QFETCH(QList<int>, clicks);
  QFETCH(QList<int>, computer);
  QFETCH(QString, banner);
  QFETCH(QColor, bannerColor);
  QFETCH(QString, computerScore);
  QFETCH(QString, playerScore);
  QFETCH(QString, draws);
  QFETCH(QStringList, sounds);

  Window window;
  if (hard) window.ChooseLevel(true);
  for (int n : clicks) {
    QCOMPARE(window.form().Caption(Label::Label1), QString("WELCOME TO TRIXOLA"));
    window.ClickCell(n);
  }

  QList<int> player = clicks;
  std::sort(player.begin(), player.end());
  QCOMPARE(window.PlayerCells(), player);
  QCOMPARE(window.ComputerCells(), computer);
  QCOMPARE(window.FreeCells(), QList<int>{});
  QCOMPARE(window.form().Caption(Label::Label1), banner);
  QCOMPARE(window.form().ForeColor(Label::Label1), bannerColor);
  QCOMPARE(window.form().Caption(Label::Label4), computerScore);
  QCOMPARE(window.form().Caption(Label::Label5), playerScore);
  QCOMPARE(window.form().Caption(Label::Label6), draws);
  QCOMPARE(window.sounds(), sounds);
  QCOMPARE(QApplication::focusWidget(), window.form().Command2());
  QVERIFY(!window.form().Timer1()->isActive());
  QVERIFY(!window.form().Timer4Enabled());
}

// Three results of different kinds, New Game between them by mouse, by
// Alt+N and by Enter on the focused button.
void MatchThroughWindow::newGameKeepsTheScore() {
  Window window;
  for (int n : {5, 6, 9}) window.ClickCell(n);  // computer wins
  window.ClickNewGame();
  QCOMPARE(window.form().Caption(Label::Label1), QString("WELCOME TO TRIXOLA"));
  QCOMPARE(window.form().ForeColor(Label::Label1), kOrange);
  QCOMPARE(window.FreeCells().size(), 9);
  QCOMPARE(window.PlayerCells(), QList<int>{});
  QCOMPARE(window.ComputerCells(), QList<int>{});
  QVERIFY(window.form().Timer1()->isActive());
  QVERIFY(window.form().Timer4Enabled());

  for (int n : {1, 3, 2}) window.ClickCell(n);  // player wins
  Window::Press(Qt::Key_N, Qt::AltModifier);
  // An access key presses its button with a short animated click.
  QTRY_COMPARE(window.FreeCells().size(), 9);
  for (int n : {1, 2, 7, 6, 8}) window.ClickCell(n);  // draw
  QCOMPARE(QApplication::focusWidget(), window.form().Command2());
  Window::Press(Qt::Key_Return);
  for (int n : {1, 3, 2}) window.ClickCell(n);  // player wins again

  QCOMPARE(window.form().Caption(Label::Label4), QString("1"));
  QCOMPARE(window.form().Caption(Label::Label5), QString("2"));
  QCOMPARE(window.form().Caption(Label::Label6), QString("Draw: 1"));
  // The auto-size count has grown to the right from its 3-pixel design box.
  const QRect draws = window.form().LabelRect(Label::Label6);
  QCOMPARE(draws.topLeft(), QPoint(312, 184));
  QVERIFY(draws.width() > 20);
  QCOMPARE(window.game().PlayerScore, 2);
  QCOMPARE(window.sounds().count("youwon"), 2);
  QCOMPARE(window.sounds().count("compwon"), 1);
  QCOMPARE(window.sounds().count("draw"), 1);
}

void MatchThroughWindow::levelSwitchMidMatch_data() {
  QTest::addColumn<bool>("startHard");
  QTest::addColumn<bool>("switchToHard");
  QTest::addColumn<int>("reply");
  // After 1 and 5 the player clicks 3: Easy answers from the reply table (7),
  // Hard blocks row 1-2-3 (2).
  QTest::newRow("easy throughout") << false << false << 7;
  QTest::newRow("easy, then hard") << false << true << 2;
  QTest::newRow("hard, then easy") << true << false << 7;
  QTest::newRow("hard throughout") << true << true << 2;
}

void MatchThroughWindow::levelSwitchMidMatch() {
  QFETCH(bool, startHard);
  QFETCH(bool, switchToHard);
  QFETCH(int, reply);

  Window window;
  if (startHard) window.ChooseLevel(true);
  window.ClickCell(1);
  QCOMPARE(window.ComputerCells(), QList<int>{5});
  window.ChooseLevel(switchToHard);
  QCOMPARE(window.form().Option2()->isChecked(), switchToHard);
  QCOMPARE(window.form().Option1()->isChecked(), !switchToHard);
  window.ClickCell(3);
  QVERIFY(window.game().board.HasComputerMark(reply));
  QCOMPARE(window.ComputerCells().size(), 2);
  QCOMPARE(window.form().Caption(Label::Label1), QString("WELCOME TO TRIXOLA"));
}

void MatchThroughWindow::lockedCellsIgnoreClicks() {
  Window window;
  window.ClickCell(5);  // the computer answers on 4
  const trixola::Board afterFirstTurn = window.game().board;
  const QStringList soundsAfterFirstTurn = window.sounds();
  window.ClickCell(5);  // the player's own cell
  window.ClickCell(4);  // the computer's cell
  QCOMPARE(window.game().board, afterFirstTurn);
  QCOMPARE(window.sounds(), soundsAfterFirstTurn);

  // After the match every cell is locked, marked or not.
  for (int n : {6, 9}) window.ClickCell(n);
  const QStringList soundsAtEnd = window.sounds();
  const trixola::Board atEnd = window.game().board;
  QVERIFY(!window.PlayerCells().contains(2));
  window.ClickCell(2);
  window.ClickCell(3);
  QCOMPARE(window.game().board, atEnd);
  QCOMPARE(window.sounds(), soundsAtEnd);
  QCOMPARE(window.form().Caption(Label::Label4), QString("1"));
}

// The clock's own timer, ticked through its signal.
void MatchThroughWindow::clockCounts() {
  Window window;
  QCOMPARE(window.form().Caption(Label::lbltime), QString());
  QVERIFY(window.form().Timer1()->isActive());
  QCOMPARE(window.form().Timer1()->interval(), 1000);
  auto tick = [&window] { QMetaObject::invokeMethod(window.form().Timer1(), "timeout"); };
  tick();
  QCOMPARE(window.form().Caption(Label::lbltime), QString("1 Seconds"));
  tick();
  QCOMPARE(window.form().Caption(Label::lbltime), QString("2 Seconds"));

  for (int n : {5, 6, 9}) window.ClickCell(n);
  QVERIFY(!window.form().Timer1()->isActive());
  QCOMPARE(window.form().Caption(Label::lbltime), QString("2 Seconds"));

  window.ClickNewGame();
  QVERIFY(window.form().Timer1()->isActive());
  QCOMPARE(window.form().Caption(Label::lbltime), QString("2 Seconds"));
  tick();
  QCOMPARE(window.form().Caption(Label::lbltime), QString("1 Seconds"));
}

// One real second: the clock runs from the window's creation, before any move.
void MatchThroughWindow::clockRunsFromCreation() {
  Window window;
  QTRY_COMPARE_WITH_TIMEOUT(window.form().Caption(Label::lbltime), QString("1 Seconds"), 1600);
}

// The sound switch: "level" as it goes off, silence for a whole match at the
// Hard level, "level" again as it comes back on.
void MatchThroughWindow::soundOffPlaysNothing() {
  Window window;
  window.ClickControl("imgSound");
  QCOMPARE(window.form().Caption(Label::lblSound), QString("Off"));
  QVERIFY(!window.game().Sound);
  QCOMPARE(window.sounds(), QStringList{"level"});
  window.ChooseLevel(true);
  QCOMPARE(window.game().Hard, 1);
  for (int n : {5, 6, 1, 3}) window.ClickCell(n);
  QCOMPARE(window.form().Caption(Label::Label1), QString("COMPUTER WON THE GAME"));
  QCOMPARE(window.sounds(), QStringList{"level"});
  window.ClickControl("imgSound");
  QCOMPARE(window.form().Caption(Label::lblSound), QString("On"));
  QVERIFY(window.game().Sound);
  QCOMPARE(window.sounds(), (QStringList{"level", "level"}));
}

QTEST_MAIN(MatchThroughWindow)
#include "match_test.moc"
