// The keys that play the cells, as Qt delivers them: on X11 (and on Wayland
// from Qt 6.8) keypad keys carry the keypad modifier and their keysym; on
// Wayland with Qt 6.4 only the keysym; offscreen and in Qt Test only the
// modifier.
#include "cell_keys.h"

#include <QTest>

using namespace trixola;

namespace {

// The cell a key plays, 0 for none.
int Cell(int key, Qt::KeyboardModifiers modifiers, uint keysym) {
  return CellFor(QKeyEvent(QEvent::KeyPress, key, modifiers, 0, keysym, 0)).value_or(0);
}

// The keypad's keys without Num Lock, and their keysyms, in the places of
// cells 1 to 9.
const std::pair<Qt::Key, uint> kNoNumLock[] = {
    {Qt::Key_Home, 0xff95}, {Qt::Key_Up, 0xff97},    {Qt::Key_PageUp, 0xff9a},
    {Qt::Key_Left, 0xff96}, {Qt::Key_Clear, 0xff9d}, {Qt::Key_Right, 0xff98},
    {Qt::Key_End, 0xff9c},  {Qt::Key_Down, 0xff99},  {Qt::Key_PageDown, 0xff9b}};

}  // namespace

class CellKeysTest : public QObject {
  Q_OBJECT

 private slots:
  // Each cell by its digit and by the keypad key in its place, with Num Lock
  // on and off, as each platform delivers them.
  void everyCell() {
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier, none;
    for (int cell = 1; cell <= 9; ++cell) {
      const int digit = cell + 6 - 6 * ((cell - 1) / 3), pad = Qt::Key_0 + digit;
      const int main = Qt::Key_0 + cell;
      const uint mainSym = 0x30 + cell, padSym = 0xffb0 + digit;
      const auto [key, keysym] = kNoNumLock[cell - 1];
      // The digit; the keypad with Num Lock on X11, on Wayland with Qt 6.4
      // and offscreen; the same without Num Lock.
      const std::tuple<int, Qt::KeyboardModifiers, uint> deliveries[] = {
          {main, none, mainSym}, {pad, keypad, padSym}, {pad, none, padSym}, {pad, keypad, 0},
          {key, keypad, keysym}, {key, none, keysym},   {key, keypad, 0}};
      for (const auto& [k, modifiers, sym] : deliveries) QCOMPARE(Cell(k, modifiers, sym), cell);
    }
  }

  // The main keyboard's Home and arrows stay with the controls, and so do
  // keys with other modifiers and the keypad's other keys (Wayland's KP_0
  // and KP_Enter).
  void otherKeys() {
    QCOMPARE(Cell(Qt::Key_Home, {}, 0xff50), 0);
    QCOMPARE(Cell(Qt::Key_Right, {}, 0xff53), 0);
    QCOMPARE(Cell(Qt::Key_0, {}, 0xffb0), 0);
    QCOMPARE(Cell(Qt::Key_Enter, {}, 0xff8d), 0);
    QCOMPARE(Cell(Qt::Key_7, Qt::ControlModifier, 0xffb7), 0);
    QCOMPARE(Cell(Qt::Key_5, Qt::AltModifier, 0x35), 0);
  }
};

QTEST_MAIN(CellKeysTest)
#include "cell_keys_test.moc"
