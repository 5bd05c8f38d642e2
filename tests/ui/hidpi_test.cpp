// The window on a scaled screen (run with QT_SCALE_FACTOR 1, 1.5 and 2): the
// layout stays where it was in logical pixels, the grab has the scaled number
// of device pixels with the grid on the scaled positions, and the crosses,
// the pictures, the banner text and the window icon are drawn for the device
// pixels, not enlarged from a 1x bitmap.
//
// Sharpness is measured as the width, in device pixels, of the soft edge
// between background and full colour along each row of an area. The same
// areas are measured at scale 1 in a second run of this program (see main),
// and the scaled edges must be no wider. An enlarged bitmap would show edges
// wider by the scale; the test checks that its measure sees that too.
#include <QIcon>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <cstdio>

#include "window_harness.h"

using trixola::Label;
using trixola::testing::Window;

namespace {

// Set in the reference run: the scale of the run that asked for it.
constexpr const char* kReferenceVariable = "TRIXOLA_EDGE_REFERENCE_FOR";

// Soft edges at scale 1 and at the tested scale may differ by rounding.
constexpr double kTolerance = 0.25;

enum class Source { Window, Icon };

struct Area {
  const char* name;
  Source source;
  QRect logical;  // in the window's client area, or in the 32 x 32 icon
  QColor background;
  QColor full;
};

// Cell insides stay clear of the grid lines; the picture areas hold their
// slanted or curved strokes.
const Area kAreas[] = {
    {"player's cross", Source::Window, QRect(115, 99, 43, 59), Qt::black, QColor(255, 0, 128)},
    {"computer's cross", Source::Window, QRect(67, 99, 43, 59), Qt::black, QColor(0, 128, 255)},
    {"banner text", Source::Window, QRect(256, 16, 161, 89), Qt::black, QColor(255, 128, 0)},
    {"credit picture", Source::Window, QRect(16, 260, 17, 9), Qt::black, QColor(255, 140, 0)},
    {"sound picture", Source::Window, QRect(199, 259, 14, 16), QColor(192, 192, 192),
     QColor(32, 32, 32)},
    {"window icon", Source::Icon, QRect(17, 4, 15, 21), Qt::black, Qt::white},
};

struct Edges {
  int count = 0;
  int softPixels = 0;
  double MeanWidth() const { return count == 0 ? 0.0 : double(softPixels) / count; }
};

enum class Shade { Background, Soft, Full, Other };

// Where a pixel lies on the way from the background to the full colour.
Shade ShadeOf(QRgb pixel, const Area& area) {
  const double d[3] = {double(area.full.red() - area.background.red()),
                       double(area.full.green() - area.background.green()),
                       double(area.full.blue() - area.background.blue())};
  const double p[3] = {double(qRed(pixel) - area.background.red()),
                       double(qGreen(pixel) - area.background.green()),
                       double(qBlue(pixel) - area.background.blue())};
  const double length2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
  const double t = (p[0] * d[0] + p[1] * d[1] + p[2] * d[2]) / length2;
  double off2 = 0;
  for (int i = 0; i < 3; ++i) off2 += (p[i] - t * d[i]) * (p[i] - t * d[i]);
  if (off2 > 0.04 * length2) return Shade::Other;
  if (t < 0.1) return Shade::Background;
  if (t > 0.9) return Shade::Full;
  return Shade::Soft;
}

// Every change from background to full colour (or back) along the rows of a
// device-pixel area, and the soft pixels between the two.
Edges MeasureEdges(const QImage& image, QRect device, const Area& area) {
  Edges edges;
  for (int y = device.top(); y <= device.bottom(); ++y) {
    Shade solid = Shade::Other;
    int soft = 0;
    for (int x = device.left(); x <= device.right(); ++x) {
      const Shade shade = ShadeOf(image.pixel(x, y), area);
      if (shade == Shade::Soft) {
        ++soft;
        continue;
      }
      if (shade == Shade::Other) {
        solid = Shade::Other;
      } else {
        if (solid != Shade::Other && solid != shade) {
          ++edges.count;
          edges.softPixels += soft;
        }
        solid = shade;
      }
      soft = 0;
    }
  }
  return edges;
}

QRect DeviceRect(QRect logical, qreal ratio) {
  const QPoint topLeft(int(std::ceil(logical.left() * ratio)),
                       int(std::ceil(logical.top() * ratio)));
  const QPoint end(int(std::floor((logical.right() + 1) * ratio)),
                   int(std::floor((logical.bottom() + 1) * ratio)));
  return QRect(topLeft, end - QPoint(1, 1));
}

// The window after one move (player on 5, the computer on 4), grabbed.
QImage GrabWindow(Window& window) {
  window.form().Timer1()->stop();
  window.ClickCell(5);
  return window.form().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage IconImage(const QWidget& form, qreal ratio) {
  return form.windowIcon()
      .pixmap(QSize(32, 32), ratio)
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

struct Measured {
  Edges here;      // this run's image
  Edges enlarged;  // this run's image enlarged to `scale`, as a bitmap would be
};

// Measures every area in this run, and in the image enlarged to `scale`.
QList<Measured> MeasureAll(qreal scale) {
  Window window;
  const QImage shot = GrabWindow(window);
  const qreal ratio = window.form().devicePixelRatioF();
  QList<Measured> result;
  for (const Area& area : kAreas) {
    const QImage image = area.source == Source::Window ? shot : IconImage(window.form(), ratio);
    const QImage enlarged =
        image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    result.append({MeasureEdges(image, DeviceRect(area.logical, ratio), area),
                   MeasureEdges(enlarged, DeviceRect(area.logical, ratio * scale), area)});
  }
  return result;
}

// The reference run: one line per area, "<count> <soft pixels> <count>
// <soft pixels>" for the image at scale 1 and for it enlarged.
int PrintReference(qreal scale) {
  for (const Measured& m : MeasureAll(scale)) {
    std::printf("%d %d %d %d\n", m.here.count, m.here.softPixels, m.enlarged.count,
                m.enlarged.softPixels);
  }
  return 0;
}

}  // namespace

class HiDpiWindow : public QObject {
  Q_OBJECT

 private slots:
  void layoutInLogicalPixels();
  void grabHasScaledSizeAndGrid();
  void edgesAsSharpAsAtScaleOne();
};

void HiDpiWindow::layoutInLogicalPixels() {
  Window window;
  trixola::Form1& form = window.form();
  QCOMPARE(form.size(), QSize(520, 294));
  QCOMPARE(form.Command2()->geometry(), QRect(312, 248, 81, 33));
  QCOMPARE(form.Command1()->geometry(), QRect(424, 248, 81, 33));
  QCOMPARE(form.Option1()->geometry(), QRect(80, 256, 49, 17));
  QCOMPARE(form.Option2()->geometry(), QRect(128, 256, 49, 17));
  QCOMPARE(form.LabelRect(Label::Label1), QRect(256, 16, 161, 89));
}

void HiDpiWindow::grabHasScaledSizeAndGrid() {
  Window window;
  const qreal ratio = window.form().devicePixelRatioF();
  QCOMPARE(ratio,
           qgetenv("QT_SCALE_FACTOR").isEmpty() ? 1.0 : qgetenv("QT_SCALE_FACTOR").toDouble());
  const QImage shot = GrabWindow(window);
  QCOMPARE(shot.size(), QSize(int(std::lround(520 * ratio)), int(std::lround(294 * ratio))));
  const QRgb white = qRgb(255, 255, 255);
  const QRgb black = qRgb(0, 0, 0);
  // Vertical lines at x 64, 112, 160, 208 and horizontal ones at y 32, 96,
  // 160, 224: every device pixel wholly inside the logical line is white,
  // the device pixels just outside it are black. Sampled between the marks.
  for (int line : {64, 112, 160, 208}) {
    const QRect device = DeviceRect(QRect(line, 40, 1, 1), ratio);
    const int y = int(std::lround(40 * ratio));
    for (int x = device.left(); x <= device.right(); ++x) QCOMPARE(shot.pixel(x, y), white);
    QCOMPARE(shot.pixel(device.left() - 1, y), black);
    QCOMPARE(shot.pixel(int(std::ceil((line + 1) * ratio)), y), black);
  }
  for (int line : {32, 96, 160, 224}) {
    const QRect device = DeviceRect(QRect(70, line, 1, 1), ratio);
    const int x = int(std::lround(70 * ratio));
    for (int y = device.top(); y <= device.bottom(); ++y) QCOMPARE(shot.pixel(x, y), white);
    QCOMPARE(shot.pixel(x, device.top() - 1), black);
    QCOMPARE(shot.pixel(x, int(std::ceil((line + 1) * ratio))), black);
  }
}

void HiDpiWindow::edgesAsSharpAsAtScaleOne() {
  const qreal scale = QGuiApplication::primaryScreen()->devicePixelRatio();
  if (scale == 1.0) QSKIP("this run is at scale 1, the reference itself");

  QProcess reference;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_SCALE_FACTOR", "1");
  environment.insert(kReferenceVariable, QString::number(scale));
  reference.setProcessEnvironment(environment);
  reference.start(QCoreApplication::applicationFilePath(), {});
  QVERIFY(reference.waitForFinished(60000));
  QCOMPARE(reference.exitCode(), 0);
  const QList<QByteArray> lines = reference.readAllStandardOutput().trimmed().split('\n');
  QCOMPARE(lines.size(), qsizetype(std::size(kAreas)));

  const QList<Measured> here = MeasureAll(1.0);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QList<QByteArray> numbers = lines[i].split(' ');
    QCOMPARE(numbers.size(), 4);
    const Edges atOne{numbers[0].toInt(), numbers[1].toInt()};
    const Edges enlarged{numbers[2].toInt(), numbers[3].toInt()};
    const Edges scaled = here[i].here;
    const QString report = QString(
                               "%1: soft edge %2 px at scale 1, %3 px at scale %4, %5 px "
                               "enlarged (%6, %7, %8 edges)")
                               .arg(kAreas[i].name)
                               .arg(atOne.MeanWidth(), 0, 'f', 2)
                               .arg(scaled.MeanWidth(), 0, 'f', 2)
                               .arg(scale)
                               .arg(enlarged.MeanWidth(), 0, 'f', 2)
                               .arg(atOne.count)
                               .arg(scaled.count)
                               .arg(enlarged.count);
    qInfo("%s", qPrintable(report));
    QVERIFY2(atOne.count >= 10 && scaled.count >= 10, qPrintable(report));
    QVERIFY2(scaled.MeanWidth() <= atOne.MeanWidth() + kTolerance, qPrintable(report));
    // The measure would have caught a picture enlarged from scale 1.
    QVERIFY2(enlarged.MeanWidth() > atOne.MeanWidth() + kTolerance, qPrintable(report));
  }
}

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setAttribute(Qt::AA_Use96Dpi, true);
  if (qEnvironmentVariableIsSet(kReferenceVariable)) {
    return PrintReference(qEnvironmentVariable(kReferenceVariable).toDouble());
  }
  HiDpiWindow test;
  return QTest::qExec(&test, argc, argv);
}

#include "hidpi_test.moc"
