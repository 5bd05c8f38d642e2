// The game window on the offscreen platform, used as a person uses it: clicks
// and moves through the window system, keys to whatever has the focus. What
// it shows is read back from its widgets, its accessible tree and its pixels.
#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "auto_size_label.h"
#include "game_window.h"
#include "layout.h"

using namespace trixola;

namespace {

// The window's accessible children, in reading order; the last, after the
// credit, is the status bar where a screen reader is told what happened.
constexpr int kBanner = 0, kCell1 = 1, kComputerCount = 10, kPlayerCount = 11, kDrawCount = 12,
              kClock = 13, kEasy = 14, kHard = 15;

// Sounds as letters: c click, l level, y player won, k computer won, d draw.
struct Heard : SoundPlayer {
  void Play(SoundEffect effect) override { letters += QLatin1Char("clykd"[int(effect)]); }
  QString letters;
};

// What the credit asked the desktop's mail program to open.
QStringList mailed;

struct Window {
  Window() {
    window.show();
    window.activateWindow();
    active = QTest::qWaitForWindowActive(&window);
  }
  auto* Child(int i) { return QAccessible::queryAccessibleInterface(&window)->child(i); }
  QString Name(int index) { return Child(index)->text(QAccessible::Name); }
  QWidget* Widget(int index) { return static_cast<QWidget*>(Child(index)->object()); }
  QString Caption(int index) { return static_cast<QLabel*>(Widget(index))->text(); }

  // Steps apart by spaces: c5 clicks cell 5; easy, hard, sound, new, exit
  // and credit click that control, and @easy ... @credit give it the focus;
  // x,y moves the pointer there; any other step is a key sequence typed to
  // the focus.
  void Run(const QString& script) {
    const QStringList controls{"easy", "hard", "sound", "new", "exit", "credit"};
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
      const int control = kEasy + int(controls.indexOf(step.mid(step.startsWith('@'))));
      if (step.size() == 2 && step[0] == 'c') {
        const QPoint cell = layout::CellTarget(step[1].digitValue()).center();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, cell);
      } else if (step.startsWith('@')) {
        Widget(control)->setFocus();
      } else if (control >= kEasy) {
        QTest::mouseClick(Widget(control), Qt::LeftButton);
      } else if (step.contains(',')) {
        QTest::mouseMove(window.windowHandle(),
                         {step.section(',', 0, 0).toInt(), step.section(',', 1).toInt()});
      } else {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(step));
      }
    }
  }

  // What the window shows and tells, as ";name=value;...;". board: x the
  // player's, o the computer's, . empty, cell 1 first; score: the counts'
  // captions (their names, as a screen reader reads them, are the AT-SPI
  // test's); clock: whether it runs; time: its caption; fitted: whether every
  // caption that sizes itself is as wide as its text.
  QString State() {
    QString board, level;
    for (int i = kCell1; i < kCell1 + 9; ++i)
      board += Name(i).endsWith("yours") ? 'x' : Name(i).endsWith("computer's") ? 'o' : '.';
    QStringList score;
    for (int count : {kComputerCount, kPlayerCount, kDrawCount}) score << Caption(count);
    for (int option : {kEasy, kHard})
      level += static_cast<QRadioButton*>(Widget(option))->isChecked() ? Name(option) : "";
    bool fitted = true;
    for (const QLabel* label : window.findChildren<AutoSizeLabel*>())
      fitted &= label->text().isEmpty() ||
                label->width() == label->fontMetrics().horizontalAdvance(label->text());
    const auto timers = window.findChildren<QTimer*>(Qt::FindDirectChildrenOnly);
    const auto* focus = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    return ";board=" + board + ";banner=" + Caption(kBanner) +
           ";colour=" + Widget(kBanner)->palette().color(QPalette::WindowText).name() +
           ";score=" + score.join('|') + ";level=" + level + ";heard=" + heard.letters +
           ";focus=" + (focus ? focus->text(QAccessible::Name) : "") +
           ";clock=" + (timers.size() == 1 && timers.front()->isActive() ? "on" : "off") +
           ";time=" + Caption(kClock) + ";title=" + window.windowTitle() +
           ";window=" + (window.isVisible() ? "open" : "closed") + ";mail=" + mailed.join(' ') +
           ";active=" + (active ? "yes" : "no") + ";fitted=" + (fitted ? "yes" : "no") +
           ";cell 5=" + Child(kCell1 + 4)->text(QAccessible::Description) + ';';
  }

  Heard heard;
  GameWindow window{heard};
  bool active = false;
};

// Name, steps, and what State() holds after them.
const char* const kScripts[][3] = {
    {"start", "",
     "active=yes;board=.........;banner=WELCOME TO TRIXOLA;colour=#ff8000;level=Easy;heard=;"
     "focus=Exit;score=||;clock=on;window=open;title=Zembrik  TRIXOLA;time=;time=1 Seconds;"
     "cell 5=Centre of the board; key 5, or 5 on the keypad unless the screen reader uses it"},
    // Whole matches, with the mouse, the digits and the keypad (without Num
    // Lock: the keys on each control, below).
    {"mouse, lost", "c5 credit c6 c9",
     "board=o..oxxo.x;banner=COMPUTER WON THE GAME;colour=#00c000;heard=ccck;focus=New Game;"
     "score=1||;clock=off;mail=mailto:orvandel@trixola.example.org"},
    {"keys, won", "1 3 2",
     "board=xxx.o.oo.;banner=  YOU WON THE GAME;colour=#00c000;heard=cccy;focus=New Game;"
     "score=|1|;clock=off"},
    {"keypad, draw", "Num+7 Num+8 Num+1 Num+6 Num+2",
     "board=xxoooxxxo;banner=THE MATCH IS DRAW;colour=#ffffff;heard=cccccd;focus=New Game;"
     "score=||Draw: 1;clock=off"},
    // New Game keeps the score, the level and the sound switch.
    {"new game", "sound hard c2 c1 c4 new c2",
     "board=.x..o....;banner=WELCOME TO TRIXOLA;colour=#ff8000;heard=l;focus=New Game;"
     "score=1||;level=Hard;clock=on"},
    // The controls keep their own keys.
    {"Enter on Exit", "c5 @exit Return", "window=closed;board=...ox....;heard=c"},
    {"Space on Exit", "c5 @exit Space", "window=closed;board=...ox....;heard=c"},
    {"Alt+E", "c5 @new Alt+E", "window=closed;board=...ox....;heard=c"},
    {"Space on New Game", "c5 @new Space", "window=open;board=.........;heard=c;level=Easy"},
    {"Alt+N", "c5 @exit Alt+N", "window=open;board=.........;heard=c;level=Easy"},
    {"Right on Easy", "c5 @easy Right", "window=open;board=...ox....;heard=cl;level=Hard"},
    {"Tab from Exit", "c5 @exit Tab", "board=...ox....;heard=c;level=Easy;focus=Easy"},
    {"Tab from Easy", "c5 @easy Tab", "board=...ox....;heard=c;level=Easy;focus=New Game"},
    {"Tab from New Game", "c5 @new Tab", "board=...ox....;heard=c;level=Easy;focus=Exit"},
    {"Backtab from Exit", "c5 @exit Shift+Backtab", "board=...ox....;heard=c;focus=New Game"},
    // The title names the author over the credit picture (23,263), and the
    // game again over a grid line or a locked cell (over the bare window, the
    // Wayland test's); over a cell that can be played (cell 5 at 136,128) it
    // stays as it is. Each starts at 0,0: a move to where the pointer already
    // is moves nothing.
    {"title over a free cell", "0,0 23,263 136,128", "title= TRIXOLA By Orvandel"},
    {"title over a grid line", "0,0 23,263 112,60", "title=Zembrik  TRIXOLA"},
    {"title over a locked cell", "0,0 23,263 c5 137,129", "title=Zembrik  TRIXOLA"},
};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 public slots:
  void open(const QUrl& url) { mailed += url.toString(); }  // in place of the mail program

 private slots:
  void scripts_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    for (const auto& [name, steps, expected] : kScripts) QTest::newRow(name) << steps << expected;
    // The keys play whichever control has the focus, a taken cell's key does
    // nothing, and the focused control is left as it was.
    for (const QString focus : {"Exit", "Easy", "Hard", "New Game"})
      QTest::newRow(qPrintable("keys on " + focus))
          << '@' + focus.section(' ', 0, 0).toLower() + " 5 Num+5 Num+Left Num+Up Num+Right"
          << "board=ox.oxx.o.;heard=ccc;level=Easy;focus=" + focus;
  }

  // Besides: every caption that sizes itself is as wide as its text. (That
  // no cell can be played once a match is over is the AT-SPI test's, which
  // reads the cells' states, and the engine's, which refuses the move.)
  void scripts() {
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    Window w;
    mailed.clear();
    QDesktopServices::setUrlHandler("mailto", this, "open");
    w.Run(steps);
    QDesktopServices::unsetUrlHandler("mailto");
    for (const QString& entry : (expected + ";fitted=yes").split(';'))
      QTRY_VERIFY2(w.State().contains(';' + entry + ';'),
                   qPrintable(entry + " not in " + w.State()));
  }

  // Pixels of a grab, each the same over all device pixels of a logical
  // pixel, so that the test holds on a screen scaled by 2 as well.
  void pixels() {
    Window w;
    w.Run("c5 c6 c9");
    const QImage image = w.window.grab().toImage();
    const int ratio = int(image.devicePixelRatio());
    // The one colour of every device pixel in a logical rectangle, if they
    // have one.
    auto colourOf = [&](QRect logical) {
      const QRect device(logical.topLeft() * ratio, logical.size() * ratio);
      QColor colour = image.pixelColor(device.topLeft());
      for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
          colour = image.pixelColor(x, y) == colour ? colour : QColor();
      return colour;
    };
    // Cell 3 empty, black all over (which mark is where is the Wayland test's
    // to read).
    QCOMPARE(colourOf(layout::CellTarget(3).adjusted(3, 3, -3, -3)), QColor(Qt::black));
    for (QPoint onGrid : {QPoint(64, 40), QPoint(112, 200), QPoint(150, 96), QPoint(208, 224)})
      QCOMPARE(colourOf(QRect(onGrid, onGrid)), QColor(Qt::white));
    const std::pair<QPoint, QColor> expected[] = {
        {layout::kComputerBox.topLeft() + QPoint(1, 1), QColor(18, 137, 235)},
        {layout::kPlayerBox.bottomRight(), QColor(243, 48, 140)},
        {layout::kScoreFrame.topLeft(), QColor(192, 255, 192)},
        {layout::kLevelFrame.bottomRight(), QColor(255, 192, 128)},
        {{500, 5}, QColor(Qt::black)}};
    for (const auto& [point, colour] : expected) QCOMPARE(colourOf(QRect(point, point)), colour);
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
