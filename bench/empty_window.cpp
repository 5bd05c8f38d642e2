// The baseline for the benchmarks: an empty Qt Widgets window of the game's
// size and colour, doing nothing else.
#include <QApplication>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Empty window"));
  window.setFixedSize(520, 294);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, Qt::black);
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  window.show();
  return app.exec();
}
