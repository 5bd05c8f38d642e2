// The game window's controls as they are designed: one row per control, in
// stacking order, front first. The painter walks the rows back to front, the
// hit tests front to back. Positions are in twips (15 to a pixel), as the
// window was laid out; Pixels() converts.
#pragma once

#include <QColor>
#include <QLine>
#include <QRect>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/form_port.h"

namespace trixola::ui {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 7800 / kTwipsPerPixel;   // 520
inline constexpr int kClientHeight = 4410 / kTwipsPerPixel;  // 294

enum class Kind : std::uint8_t { Timer, PushButton, OptionButton, Image, Label, Shape, Line };

// What an image shows, or what role it plays on the board.
enum class Picture : std::uint8_t {
  None,
  CellTarget,    // Image1..Image9: no picture, click target of its cell
  PlayerMark,    // r1..r9
  ComputerMark,  // b1..b9
  Credit,        // Image10
  SoundSwitch,   // imgSound
};

// Fonts: the window's default, its bold, and the banner's large face.
enum class TextStyle : std::uint8_t { Default, Bold, Banner };

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  QColor ToQColor() const { return QColor(r, g, b); }
};

struct ControlSpec {
  std::string_view name;
  Kind kind;
  // Left, Top, Width, Height; for a line: x1, y1, x2, y2. Twips.
  int left = 0, top = 0, width = 0, height = 0;
  std::string_view caption = {};
  // Text colour of labels and option buttons, outline or fill of shapes,
  // colour of lines.
  Rgb color = {};
  TextStyle text = TextStyle::Default;
  bool autoSize = false;     // labels: grows right and down with its caption
  bool wrapCentred = false;  // labels: word-wrapped and centred in a fixed box
  bool filled = false;       // shapes: opaque box instead of an outline
  bool selected = false;     // option buttons
  Picture picture = Picture::None;
  int cell = 0;       // 1..9 for the controls of a board cell
  int tabIndex = -1;  // -1: no tab position
  std::string_view toolTip = {};
  int intervalMs = 0;  // timers
};

// All 56 controls, front first.
std::span<const ControlSpec> Layout();

// Row index of the control with this name; the name must exist.
std::size_t IndexOf(std::string_view name);

// The label that a FormPort label stands for.
std::size_t IndexOf(Label label);

constexpr int Pixels(int twips) {
  return twips / kTwipsPerPixel;
}

// The control's design rectangle in pixels (not for lines).
QRect PixelRect(const ControlSpec& control);

// A line's end points in pixels.
QLine PixelLine(const ControlSpec& control);

}  // namespace trixola::ui
