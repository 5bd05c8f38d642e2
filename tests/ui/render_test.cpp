// What a person sees in the window, read from a grab of it: the black
// ground, the grid, the banner, the colour boxes and the marks. Every check
// looks at all device pixels of a logical pixel, so the same tests hold with
// QT_SCALE_FACTOR=2.
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "window_harness.h"

using trixola::Label;
using trixola::testing::Window;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kPlayerPink(255, 0, 128);    // the player's mark
const QColor kComputerBlue(0, 128, 255);  // the computer's mark
const QColor kPlayerBox(243, 48, 140);    // Shape2
const QColor kComputerBox(18, 137, 235);  // Shape1

constexpr std::array<int, 4> kGridX{64, 112, 160, 208};
constexpr std::array<int, 4> kGridY{32, 96, 160, 224};

bool Near(const QColor& a, const QColor& b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// A grab of the window, addressed in logical pixels.
class Shot {
 public:
  explicit Shot(QWidget& widget) {
    const QPixmap pixmap = widget.grab();
    ratio_ = static_cast<int>(std::lround(pixmap.devicePixelRatio()));
    image_ = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
  }

  int ratio() const { return ratio_; }

  // True when every device pixel of the logical pixel has this colour.
  bool Is(QPoint logical, const QColor& color) const {
    return Count(QRect(logical, QSize(1, 1)), color, 0) == ratio_ * ratio_;
  }

  // Device pixels within a logical rectangle close to a colour.
  int Count(QRect logical, const QColor& color, int tolerance) const {
    int count = 0;
    const QRect device(logical.topLeft() * ratio_, logical.size() * ratio_);
    for (int y = device.top(); y <= device.bottom(); ++y) {
      for (int x = device.left(); x <= device.right(); ++x) {
        if (Near(image_.pixelColor(x, y), color, tolerance)) ++count;
      }
    }
    return count;
  }

 private:
  QImage image_;
  int ratio_ = 1;
};

// A cell's inside, clear of the grid lines and of the neighbours' marks.
QRect CellInside(int n) {
  return Window::ControlRect("Image" + std::to_string(n)).adjusted(3, 3, -3, -3);
}

}  // namespace

class WindowRendering : public QObject {
  Q_OBJECT

 private slots:
  void blackGroundAndGrid();
  void colourBoxes();
  void banner_data();
  void banner();
  void marksOfAMove();
  void computerMarkInFrontOfPlayerMark();
  void gridLinesInFrontOfMarks();
};

void WindowRendering::blackGroundAndGrid() {
  Window window;
  const Shot shot(window.form());
  QCOMPARE(shot.ratio(), static_cast<int>(std::lround(window.form().devicePixelRatioF())));
  for (QPoint ground : {QPoint(0, 0), QPoint(480, 20), QPoint(230, 120), QPoint(519, 293)}) {
    QVERIFY2(shot.Is(ground, kBlack),
             qPrintable(QString("(%1,%2)").arg(ground.x()).arg(ground.y())));
  }
  for (int x : kGridX) {
    for (int y = kGridY.front(); y <= kGridY.back(); ++y) QVERIFY(shot.Is({x, y}, kWhite));
    for (int y : {50, 130, 200}) {
      QVERIFY(shot.Is({x - 1, y}, kBlack));
      QVERIFY(shot.Is({x + 1, y}, kBlack));
    }
  }
  for (int y : kGridY) {
    for (int x = kGridX.front(); x <= kGridX.back(); ++x) QVERIFY(shot.Is({x, y}, kWhite));
    for (int x : {80, 136, 190}) {
      QVERIFY(shot.Is({x, y - 1}, kBlack));
      QVERIFY(shot.Is({x, y + 1}, kBlack));
    }
  }
  // Nothing of the grid beyond its frame.
  QVERIFY(shot.Is({kGridX.back() + 1, kGridY.front()}, kBlack));
  QVERIFY(shot.Is({kGridX.front(), kGridY.back() + 1}, kBlack));
}

void WindowRendering::colourBoxes() {
  Window window;
  const Shot shot(window.form());
  // Shape1 at (280,136) and Shape2 at (280,160), 41 x 17, left of the counts.
  QCOMPARE(shot.Count(QRect(280, 136, 15, 17), kComputerBox, 0),
           15 * 17 * shot.ratio() * shot.ratio());
  QCOMPARE(shot.Count(QRect(280, 160, 15, 17), kPlayerBox, 0),
           15 * 17 * shot.ratio() * shot.ratio());
  QVERIFY(shot.Is({279, 140}, kBlack));
  QVERIFY(shot.Is({280, 153}, kBlack));
}

void WindowRendering::banner_data() {
  QTest::addColumn<QList<int>>("clicks");
  QTest::addColumn<QColor>("color");
  QTest::newRow("welcome, orange") << QList<int>{} << QColor(255, 128, 0);
  QTest::newRow("computer won, green") << QList<int>{5, 6, 9} << QColor(0, 192, 0);
  QTest::newRow("draw, white") << QList<int>{1, 2, 7, 6, 8} << kWhite;
}

// The banner's text is drawn in its colour, inside its box and nowhere near
// outside it.
void WindowRendering::banner() {
  QFETCH(QList<int>, clicks);
  QFETCH(QColor, color);
  Window window;
  for (int n : clicks) window.ClickCell(n);
  const Shot shot(window.form());
  const QRect box = window.form().LabelRect(Label::Label1);
  QCOMPARE(box, QRect(256, 16, 161, 89));
  QVERIFY(shot.Count(box, color, 0) > 100 * shot.ratio() * shot.ratio());
  const QRect around = box.adjusted(-10, -10, 10, 10);
  QCOMPARE(shot.Count(around, color, 40), shot.Count(box, color, 40));
  // Several lines: text in the upper and the lower half of the box.
  QVERIFY(shot.Count(QRect(box.left(), box.top(), box.width(), 28), color, 0) > 0);
  QVERIFY(shot.Count(QRect(box.left(), box.top() + 28, box.width(), 28), color, 0) > 0);
}

void WindowRendering::marksOfAMove() {
  Window window;
  window.ClickCell(5);  // the computer answers on 4
  const Shot shot(window.form());
  const int many = 100 * shot.ratio() * shot.ratio();
  QVERIFY(shot.Count(CellInside(5), kPlayerPink, 0) > many);
  QCOMPARE(shot.Count(CellInside(5), kComputerBlue, 40), 0);
  QVERIFY(shot.Count(CellInside(4), kComputerBlue, 0) > many);
  QCOMPARE(shot.Count(CellInside(4), kPlayerPink, 40), 0);
  for (int n : {1, 2, 3, 6, 7, 8, 9})
    QCOMPARE(shot.Count(CellInside(n), kBlack, 0),
             CellInside(n).width() * CellInside(n).height() * shot.ratio() * shot.ratio());
}

void WindowRendering::computerMarkInFrontOfPlayerMark() {
  Window window;
  trixola::Board& board = window.game().board;
  board.ShowPlayerMark(1);
  board.ShowComputerMark(1);
  board.ShowPlayerMark(3);
  window.form().update();
  const Shot shot(window.form());
  const int many = 100 * shot.ratio() * shot.ratio();
  QVERIFY(shot.Count(CellInside(1), kComputerBlue, 0) > many);
  QCOMPARE(shot.Count(CellInside(1), kPlayerPink, 40), 0);
  QVERIFY(shot.Count(CellInside(3), kPlayerPink, 0) > many);
}

// The marks reach onto the grid lines; where they do, the line stays white.
void WindowRendering::gridLinesInFrontOfMarks() {
  Window window;
  for (int n = 1; n <= 9; ++n) window.game().board.ShowPlayerMark(n);
  window.form().update();
  const Shot shot(window.form());

  // Where the mark picture itself has paint, in logical pixels of the window.
  const QRect markRect = Window::ControlRect("r1");
  const int ratio = shot.ratio();
  QImage mark(markRect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  mark.fill(Qt::transparent);
  {
    QPainter painter(&mark);
    QSvgRenderer(QStringLiteral(":/trixola/mark_player.svg")).render(&painter);
  }
  int paintedOnLine = 0;
  for (int n = 1; n <= 9; ++n) {
    const QPoint origin = Window::ControlRect("r" + std::to_string(n)).topLeft();
    for (int y = 0; y < mark.height(); ++y) {
      for (int x = 0; x < mark.width(); ++x) {
        if (qAlpha(mark.pixel(x, y)) == 0) continue;
        const QPoint logical = origin + QPoint(x / ratio, y / ratio);
        const bool onLine = (std::find(kGridX.begin(), kGridX.end(), logical.x()) != kGridX.end() &&
                             logical.y() >= kGridY.front() && logical.y() <= kGridY.back()) ||
                            (std::find(kGridY.begin(), kGridY.end(), logical.y()) != kGridY.end() &&
                             logical.x() >= kGridX.front() && logical.x() <= kGridX.back());
        if (!onLine) continue;
        ++paintedOnLine;
        QVERIFY2(shot.Is(logical, kWhite),
                 qPrintable(QString("line pixel (%1,%2)").arg(logical.x()).arg(logical.y())));
      }
    }
  }
  QVERIFY2(paintedOnLine > 0, "the marks never reach a grid line");
}

QTEST_MAIN(WindowRendering)
#include "render_test.moc"
