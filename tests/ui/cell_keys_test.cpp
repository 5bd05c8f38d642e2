// The keys that play the cells, as Qt delivers them: on X11 (and on Wayland
// from Qt 6.8) keypad keys carry the keypad modifier and their keysym; on
// Wayland with Qt 6.4 only the keysym; offscreen and in Qt Test only the
// modifier.
#include "cell_keys.h"

#include <QTest>

using namespace trixola;

class CellKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void cellFor_data();
  void cellFor();
};

void CellKeysTest::cellFor_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<uint>("keysym");
  QTest::addColumn<int>("cell");  // 0: the key plays nothing
  const int keypad = Qt::KeypadModifier, none = 0;
  QTest::newRow("1") << int(Qt::Key_1) << none << 0x31u << 1;
  QTest::newRow("7") << int(Qt::Key_7) << none << 0x37u << 7;
  QTest::newRow("X11 KP_7") << int(Qt::Key_7) << keypad << 0xffb7u << 1;
  QTest::newRow("X11 KP_Home") << int(Qt::Key_Home) << keypad << 0xff95u << 1;
  QTest::newRow("X11 KP_Begin") << int(Qt::Key_Clear) << keypad << 0xff9du << 5;
  QTest::newRow("Wayland KP_7") << int(Qt::Key_7) << none << 0xffb7u << 1;
  QTest::newRow("Wayland KP_3") << int(Qt::Key_3) << none << 0xffb3u << 9;
  QTest::newRow("Wayland KP_Home") << int(Qt::Key_Home) << none << 0xff95u << 1;
  QTest::newRow("Wayland KP_Right") << int(Qt::Key_Right) << none << 0xff98u << 6;
  QTest::newRow("Wayland KP_Begin") << int(Qt::Key_Clear) << none << 0xff9du << 5;
  QTest::newRow("Wayland KP_Next") << int(Qt::Key_PageDown) << none << 0xff9bu << 9;
  QTest::newRow("offscreen keypad 1") << int(Qt::Key_1) << keypad << 0u << 7;
  // The main keyboard's Home and arrows stay with the controls.
  QTest::newRow("Home") << int(Qt::Key_Home) << none << 0xff50u << 0;
  QTest::newRow("Right") << int(Qt::Key_Right) << none << 0xff53u << 0;
  QTest::newRow("Wayland KP_0") << int(Qt::Key_0) << none << 0xffb0u << 0;
  QTest::newRow("Wayland KP_Enter") << int(Qt::Key_Enter) << none << 0xff8du << 0;
  QTest::newRow("Ctrl+KP_7") << int(Qt::Key_7) << int(Qt::ControlModifier) << 0xffb7u << 0;
  QTest::newRow("Alt+5") << int(Qt::Key_5) << int(Qt::AltModifier) << 0x35u << 0;
}

void CellKeysTest::cellFor() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(uint, keysym);
  QFETCH(int, cell);
  const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), 0, keysym, 0);
  QCOMPARE(CellFor(event).value_or(0), cell);
}

QTEST_MAIN(CellKeysTest)
#include "cell_keys_test.moc"
