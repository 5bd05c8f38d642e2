// The keys that play the cells. Keys 1 to 9 play the cells in reading order,
// 1 at the top left; the keypad plays them by where its keys stand, 7 at the
// top left, with Num Lock on or off.
//
// Qt gives a keypad key the same Qt::Key as its twin on the main keyboard
// (keypad 7 is Key_7 with Num Lock on, Key_Home without) and tells them apart
// by the keypad modifier. Qt's X11 plugin sets that modifier, and so does its
// Wayland plugin in Qt 6.8, but not in Qt 6.4. On both the native key is the
// XKB keysym, and the keypad's keysyms have a range of their own.
#pragma once

#include <QKeyEvent>
#include <Qt>
#include <array>
#include <optional>

namespace trixola {

struct CellKeys {
  int cell;
  Qt::Key digit;
  Qt::Key keypad;  // with the keypad modifier
  int keypadDigit;
  Qt::Key keypadWithoutNumLock;
};

inline constexpr std::array<CellKeys, 9> kCellKeys{{
    {1, Qt::Key_1, Qt::Key_7, 7, Qt::Key_Home},
    {2, Qt::Key_2, Qt::Key_8, 8, Qt::Key_Up},
    {3, Qt::Key_3, Qt::Key_9, 9, Qt::Key_PageUp},
    {4, Qt::Key_4, Qt::Key_4, 4, Qt::Key_Left},
    {5, Qt::Key_5, Qt::Key_5, 5, Qt::Key_Clear},
    {6, Qt::Key_6, Qt::Key_6, 6, Qt::Key_Right},
    {7, Qt::Key_7, Qt::Key_1, 1, Qt::Key_End},
    {8, Qt::Key_8, Qt::Key_2, 2, Qt::Key_Down},
    {9, Qt::Key_9, Qt::Key_3, 3, Qt::Key_PageDown},
}};

// XKB's keypad keysyms, KP_Space to KP_9: with Num Lock on KP_1 to KP_9
// (0xffb1 to 0xffb9), without it KP_Home (0xff95) to KP_Begin (0xff9d).
inline constexpr quint32 kFirstKeypadKeysym = 0xff80;
inline constexpr quint32 kLastKeypadKeysym = 0xffb9;

// The cell a key press plays, if any: a digit alone, or a keypad key.
inline std::optional<int> CellFor(const QKeyEvent& event) {
  if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return std::nullopt;
  const quint32 keysym = event.nativeVirtualKey();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier) ||
                      (keysym >= kFirstKeypadKeysym && keysym <= kLastKeypadKeysym);
  for (const CellKeys& keys : kCellKeys) {
    const bool match = keypad
                           ? event.key() == keys.keypad || event.key() == keys.keypadWithoutNumLock
                           : event.key() == keys.digit;
    if (match) return keys.cell;
  }
  return std::nullopt;
}

}  // namespace trixola
