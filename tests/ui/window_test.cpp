// The game window on the offscreen platform, used as a person uses it: clicks
// and moves through the window system, keys to whatever has the focus. What
// it shows is read back from its widgets, its accessible tree and its pixels.
#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "auto_size_label.h"
#include "board_view.h"
#include "cell_keys.h"
#include "game_window.h"
#include "layout.h"

using namespace trixola;

namespace {

// The window's accessible children, in reading order.
enum Child {
  kBanner,
  kCell1,
  kComputerCount = 10,
  kPlayerCount,
  kDrawCount,
  kClock,
  kEasy,
  kHard,
  kSoundSwitch,
  kNewGame,
  kExit,
  kCredit,
  kStatusBar,  // not on the screen: where a screen reader is told what happened
  kChildren
};

// Sounds as letters: c click, l level, y player won, k computer won, d draw.
struct Heard : SoundPlayer {
  void Play(SoundEffect effect) override { letters += QLatin1Char("clykd"[int(effect)]); }
  QString letters;
};

struct Window {
  Window() {
    window.show();
    window.activateWindow();
    active = QTest::qWaitForWindowActive(&window);
  }
  QAccessibleInterface* Child(int index) {
    return QAccessible::queryAccessibleInterface(&window)->child(index);
  }
  QString Name(int index) { return Child(index)->text(QAccessible::Name); }
  QWidget* Widget(int index) { return static_cast<QWidget*>(Child(index)->object()); }
  QString Caption(int index) { return static_cast<QLabel*>(Widget(index))->text(); }
  // x the player's, o the computer's, . empty; cell 1 first.
  QString Board() {
    QString board;
    for (int cell = 1; cell <= 9; ++cell) {
      const QString name = Name(kCell1 + cell - 1);
      board += name.endsWith("yours") ? 'x' : name.endsWith("computer's") ? 'o' : '.';
    }
    return board;
  }
  void Click(QPoint point) { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point); }
  void MoveTo(QPoint point) { QTest::mouseMove(window.windowHandle(), point); }
  bool ClockRunning() {
    const auto timers = window.findChildren<QTimer*>(Qt::FindDirectChildrenOnly);
    return timers.size() == 1 && timers.front()->isActive();
  }

  Heard heard;
  GameWindow window{heard};
  bool active = false;
};

// How a test plays a cell: mouse, key, keypad with Num Lock, keypad without.
enum class Input { Mouse, Digit, Keypad, KeypadNoNumLock };

void Play(Window& w, Input input, int cell) {
  const CellKeys& keys = kCellKeys[std::size_t(cell - 1)];
  switch (input) {
    case Input::Mouse:
      return w.Click(layout::CellTarget(cell).center());
    case Input::Digit:
      return QTest::keyClick(QApplication::focusWidget(), keys.digit);
    case Input::Keypad:
      return QTest::keyClick(QApplication::focusWidget(), keys.keypad, Qt::KeypadModifier);
    case Input::KeypadNoNumLock:
      return QTest::keyClick(QApplication::focusWidget(), keys.keypadWithoutNumLock,
                             Qt::KeypadModifier);
  }
}

// A keypad key as Qt 6.4's Wayland plugin delivers it: its keysym, no keypad
// modifier.
void PressOnWayland(Qt::Key key, quint32 keysym) {
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key, Qt::NoModifier, 0, keysym, 0);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
  }
}

// Stands in for the desktop's mail program.
class LinkHandler : public QObject {
  Q_OBJECT

 public slots:
  void open(const QUrl& url) { links.append(url); }

 public:
  QList<QUrl> links;
};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startsReady();
  void matches_data();
  void matches();
  void keysWhateverHasTheFocus_data();
  void keysWhateverHasTheFocus();
  void controlsKeepTheirKeys_data();
  void controlsKeepTheirKeys();
  void newGameKeepsScoreLevelAndSound();
  void titleFollowsThePointer();
  void creditOpensTheMailLink();
  void pixels();
};

void WindowTest::startsReady() {
  Window w;
  QVERIFY(w.active);
  QCOMPARE(w.window.windowTitle(), QString("Zembrik  TRIXOLA"));
  QCOMPARE(w.window.size(), QSize(520, 294));
  QCOMPARE(QApplication::focusWidget(), w.Widget(kExit));
  QCOMPARE(QAccessible::queryAccessibleInterface(&w.window)->childCount(), int(kChildren));
  const QStringList names{"WELCOME TO TRIXOLA",
                          "Cell 1: empty",
                          "Computer: 0",
                          "You: 0",
                          "Draw: 0",
                          "Time: 0 Seconds",
                          "Easy",
                          "Hard",
                          "Sound on",
                          "New Game",
                          "Exit",
                          "Contact the author"};
  const QList<int> at{kBanner, kCell1, kComputerCount, kPlayerCount, kDrawCount, kClock,
                      kEasy,   kHard,  kSoundSwitch,   kNewGame,     kExit,      kCredit};
  for (int i = 0; i < at.size(); ++i) QCOMPARE(w.Name(at[i]), names[i]);
  QCOMPARE(
      w.Child(kCell1 + 4)->text(QAccessible::Description),
      QString("Centre of the board; key 5, or 5 on the keypad unless the screen reader uses it"));
  QVERIFY(static_cast<QRadioButton*>(w.Widget(kEasy))->isChecked());
  for (int count : {kComputerCount, kPlayerCount, kDrawCount, kClock})
    QCOMPARE(w.Caption(count), "");
  QVERIFY(w.ClockRunning());
  QCOMPARE(w.heard.letters, "");
  QTRY_COMPARE_WITH_TIMEOUT(w.Caption(kClock), QString("1 Seconds"), 1500);
}

void WindowTest::matches_data() {
  QTest::addColumn<Input>("input");
  QTest::addColumn<bool>("hard");
  QTest::addColumn<QString>("cells");
  QTest::addColumn<QString>("board");
  QTest::addColumn<QString>("banner");
  QTest::addColumn<QColor>("colour");
  QTest::addColumn<QStringList>("counts");  // computer, player, draws
  QTest::addColumn<QString>("heard");
  const QColor green(0, 192, 0);
  QTest::newRow("mouse, lost") << Input::Mouse << false << "569"
                               << "o..oxxo.x"
                               << "COMPUTER WON THE GAME" << green << QStringList{"1", "", ""}
                               << "ccck";
  QTest::newRow("keys, won") << Input::Digit << false << "132"
                             << "xxx.o.oo."
                             << "  YOU WON THE GAME" << green << QStringList{"", "1", ""} << "cccy";
  QTest::newRow("keypad, draw") << Input::Keypad << false << "12768"
                                << "xxoooxxxo"
                                << "THE MATCH IS DRAW" << QColor(255, 255, 255)
                                << QStringList{"", "", "Draw: 1"} << "cccccd";
  QTest::newRow("keypad without Num Lock, Hard")
      << Input::KeypadNoNumLock << true << "214"
      << "xxoxo.o.."
      << "COMPUTER WON THE GAME" << green << QStringList{"1", "", ""} << "lccck";
}

// A whole match, then every cell tried again once it is over.
void WindowTest::matches() {
  QFETCH(Input, input);
  QFETCH(bool, hard);
  QFETCH(QString, cells);
  Window w;
  if (hard) QTest::mouseClick(w.Widget(kHard), Qt::LeftButton);
  for (QChar cell : cells) Play(w, input, cell.digitValue());
  QTEST(w.Board(), "board");
  QTEST(w.Caption(kBanner), "banner");
  QTEST(w.Widget(kBanner)->palette().color(QPalette::WindowText), "colour");
  QTEST((QStringList{w.Caption(kComputerCount), w.Caption(kPlayerCount), w.Caption(kDrawCount)}),
        "counts");
  QTEST(w.heard.letters, "heard");
  QCOMPARE(QApplication::focusWidget(), w.Widget(kNewGame));
  QVERIFY(!w.ClockRunning());
  // The counts, like every caption that sizes itself, are as wide as their
  // text once the window has been shown.
  for (const QLabel* label : w.window.findChildren<AutoSizeLabel*>()) {
    if (label->text().isEmpty()) continue;
    QTRY_COMPARE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
  }
  for (int cell = 1; cell <= 9; ++cell) {
    QVERIFY(w.Child(kCell1 + cell - 1)->state().disabled);
    Play(w, input, cell);
  }
  QTEST(w.Board(), "board");
  QTEST(w.heard.letters, "heard");
}

void WindowTest::keysWhateverHasTheFocus_data() {
  QTest::addColumn<int>("focus");
  for (int focus : {kExit, kEasy, kHard, kNewGame}) {
    QTest::newRow(qPrintable(QString::number(focus))) << focus;
  }
}

// The keys play whichever control has the focus, a taken cell's key does
// nothing, and the focused control is left as it was.
void WindowTest::keysWhateverHasTheFocus() {
  QFETCH(int, focus);
  Window w;
  w.Widget(focus)->setFocus();
  Play(w, Input::Digit, 5);
  Play(w, Input::Keypad, 5);
  Play(w, Input::KeypadNoNumLock, 4);  // the keypad's left arrow: taken by the reply
  QCOMPARE(w.Board(), QString("...ox...."));
  Play(w, Input::KeypadNoNumLock, 2);  // the keypad's up arrow
  QCOMPARE(w.Board().mid(1, 1), "x");
  PressOnWayland(Qt::Key_Right, 0xff98);  // KP_Right: cell 6, not the level
  QCOMPARE(w.Board(), QString("ox.oxx.o."));
  QCOMPARE(w.heard.letters, "ccc");
  QCOMPARE(QApplication::focusWidget(), w.Widget(focus));
  QVERIFY(static_cast<QRadioButton*>(w.Widget(kEasy))->isChecked());
}

void WindowTest::controlsKeepTheirKeys_data() {
  QTest::addColumn<int>("focus");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("outcome");  // closed, new game, Hard or a focus index
  QTest::newRow("Enter on Exit") << int(kExit) << int(Qt::Key_Return) << 0 << "closed";
  QTest::newRow("Space on Exit") << int(kExit) << int(Qt::Key_Space) << 0 << "closed";
  QTest::newRow("Alt+E") << int(kNewGame) << int(Qt::Key_E) << int(Qt::AltModifier) << "closed";
  QTest::newRow("Space on New Game") << int(kNewGame) << int(Qt::Key_Space) << 0 << "new game";
  QTest::newRow("Alt+N") << int(kExit) << int(Qt::Key_N) << int(Qt::AltModifier) << "new game";
  QTest::newRow("Right on Easy") << int(kEasy) << int(Qt::Key_Right) << 0 << "Hard";
  QTest::newRow("Tab from Exit") << int(kExit) << int(Qt::Key_Tab) << 0 << "14";
  QTest::newRow("Tab from Easy") << int(kEasy) << int(Qt::Key_Tab) << 0 << "17";
  QTest::newRow("Tab from New Game") << int(kNewGame) << int(Qt::Key_Tab) << 0 << "18";
  QTest::newRow("Backtab from Exit")
      << int(kExit) << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "17";
}

void WindowTest::controlsKeepTheirKeys() {
  QFETCH(int, focus);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, outcome);
  Window w;
  Play(w, Input::Mouse, 5);
  w.Widget(focus)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QTRY_COMPARE(!w.window.isVisible(), outcome == "closed");
  QTRY_COMPARE(w.Board() == ".........", outcome == "new game");
  QCOMPARE(static_cast<QRadioButton*>(w.Widget(kHard))->isChecked(), outcome == "Hard");
  QCOMPARE(w.heard.letters, outcome == "Hard" ? "cl" : "c");
  bool index = false;
  const int expected = outcome.toInt(&index);
  if (index) QCOMPARE(QApplication::focusWidget(), w.Widget(expected));
}

void WindowTest::newGameKeepsScoreLevelAndSound() {
  Window w;
  QTest::mouseClick(w.Widget(kSoundSwitch), Qt::LeftButton);
  QTest::mouseClick(w.Widget(kHard), Qt::LeftButton);
  for (int cell : {2, 1, 4}) Play(w, Input::Mouse, cell);
  QTest::mouseClick(w.Widget(kNewGame), Qt::LeftButton);
  QCOMPARE(w.Board(), ".........");
  QCOMPARE(w.Caption(kBanner), "WELCOME TO TRIXOLA");
  QCOMPARE(w.Widget(kBanner)->palette().color(QPalette::WindowText), QColor(255, 128, 0));
  QCOMPARE(w.Name(kComputerCount), "Computer: 1");
  QCOMPARE(w.Name(kSoundSwitch), "Sound off");
  QVERIFY(w.ClockRunning());
  Play(w, Input::Mouse, 2);
  QCOMPARE(w.Board(), ".x..o....");  // Hard still answers 2 with the centre
  QCOMPARE(w.heard.letters, "l");    // the switch going off; nothing after it
}

// The title names the author over the credit picture, and the game again
// over the bare window, a grid line or a locked cell; over a cell that can be
// played, a label or a button it stays as it is.
void WindowTest::titleFollowsThePointer() {
  Window w;
  const QString title("Zembrik  TRIXOLA"), credit(" TRIXOLA By Orvandel");
  const QPoint cell5 = layout::CellTarget(5).center();
  const QList<std::pair<QPoint, QString>> moves{{layout::kCredit.center(), credit},
                                                {cell5, credit},
                                                {QPoint(500, 10), title},
                                                {layout::kCredit.center(), credit},
                                                {QPoint(112, 60), title}};
  for (const auto& [point, expected] : moves) {
    w.MoveTo(point);
    QCOMPARE(w.window.windowTitle(), expected);
  }
  w.MoveTo(layout::kCredit.center());
  Play(w, Input::Mouse, 5);
  w.MoveTo(cell5 + QPoint(1, 1));
  QCOMPARE(w.window.windowTitle(), title);
}

// The desktop's handler for mailto: links gets the author's address; the
// match goes on untouched.
void WindowTest::creditOpensTheMailLink() {
  LinkHandler handler;
  QDesktopServices::setUrlHandler("mailto", &handler, "open");
  Window w;
  Play(w, Input::Mouse, 5);
  w.Click(layout::kCredit.center());
  QDesktopServices::unsetUrlHandler("mailto");
  QCOMPARE(handler.links, QList<QUrl>{QUrl("mailto:orvandel@trixola.example.org")});
  QCOMPARE(w.Board(), QString("...ox...."));
  QCOMPARE(w.heard.letters, "c");
}

// Pixels of a grab, checked over all device pixels of a logical pixel, so
// the test holds on a screen scaled by 2 as well.
void WindowTest::pixels() {
  Window w;
  for (int cell : {5, 6, 9}) Play(w, Input::Mouse, cell);
  const QImage image = w.window.grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  auto colourAt = [&](QPoint logical) {
    QList<QColor> seen;
    for (int dy = 0; dy < ratio; ++dy) {
      for (int dx = 0; dx < ratio; ++dx) {
        const QColor c =
            image.pixelColor(int(logical.x() * ratio) + dx, int(logical.y() * ratio) + dy);
        if (!seen.contains(c)) seen.append(c);
      }
    }
    return seen.size() == 1 ? seen.front() : QColor();
  };
  // The colour most of a cell's inside has, black aside.
  auto markColour = [&](int cell) {
    QHash<QRgb, int> counts;
    const QRect inside = layout::CellTarget(cell).adjusted(3, 3, -3, -3);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      for (int x = inside.left(); x <= inside.right(); ++x) {
        const QColor c = colourAt({x, y});
        if (c.isValid() && c != Qt::black) ++counts[c.rgb()];
      }
    }
    QRgb most = QColor(Qt::black).rgb();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
      if (it.value() > counts.value(most)) most = it.key();
    }
    return QColor(most);
  };
  QCOMPARE(markColour(5), QColor(255, 0, 128));
  QCOMPARE(markColour(4), QColor(0, 128, 255));
  QCOMPARE(markColour(3), QColor(Qt::black));
  for (QPoint onGrid : {QPoint(64, 40), QPoint(112, 200), QPoint(150, 96), QPoint(208, 224)}) {
    QCOMPARE(colourAt(onGrid), QColor(Qt::white));
  }
  QCOMPARE(colourAt(layout::kComputerBox.topLeft() + QPoint(1, 1)), QColor(18, 137, 235));
  QCOMPARE(colourAt(layout::kPlayerBox.bottomRight()), QColor(243, 48, 140));
  QCOMPARE(colourAt(layout::kScoreFrame.topLeft()), QColor(192, 255, 192));
  QCOMPARE(colourAt(layout::kLevelFrame.bottomRight()), QColor(255, 192, 128));
  QCOMPARE(colourAt({500, 5}), QColor(Qt::black));
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
