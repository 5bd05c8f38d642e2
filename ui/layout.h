// Where everything stands in the window, in pixels (at scale 1). The window
// was designed in twips, 15 to a pixel; Twips() converts, so the design's
// numbers can be read here as they were drawn.
#pragma once

#include <QLine>
#include <QRect>
#include <array>

#include "board.h"

namespace trixola::layout {

constexpr int kTwipsPerPixel = 15;

constexpr QRect Twips(int left, int top, int width, int height) {
  return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
               height / kTwipsPerPixel);
}

inline constexpr QSize kWindow{7800 / kTwipsPerPixel, 4410 / kTwipsPerPixel};  // 520 x 294

inline constexpr QRect kBanner = Twips(3840, 240, 2415, 1335);
inline constexpr QRect kScoreFrame = Twips(4080, 1920, 2175, 1095);
inline constexpr QRect kComputerBox = Twips(4200, 2040, 615, 255);
inline constexpr QRect kPlayerBox = Twips(4200, 2400, 615, 255);
inline constexpr QRect kComputerCaption = Twips(4920, 2040, 810, 195);
inline constexpr QRect kYouCaption = Twips(4920, 2400, 345, 195);
// The counts stand in front of their colour boxes and grow to the right with
// their numbers; these are their sizes while empty.
inline constexpr QRect kComputerCount = Twips(4440, 2040, 75, 195);
inline constexpr QRect kPlayerCount = Twips(4440, 2400, 75, 195);
inline constexpr QRect kDrawCount = Twips(4680, 2760, 45, 195);
inline constexpr QRect kClock = Twips(4440, 3240, 1215, 255);
inline constexpr QRect kLevelFrame = Twips(960, 3720, 1815, 495);
inline constexpr QRect kEasy = Twips(1200, 3840, 735, 255);
inline constexpr QRect kHard = Twips(1920, 3840, 735, 255);
inline constexpr QRect kSoundSwitch = Twips(2880, 3840, 360, 330);
inline constexpr QRect kSoundCaption = Twips(3240, 3960, 210, 195);
// The room Easy's text keeps clear before Hard's indicator, and the sound
// caption before "New Game".
inline constexpr int kLevelTextGap = 4;
inline constexpr int kSoundCaptionGap = 8;
// How far a sound caption in a fallback font stands in from its place.
inline constexpr int kFallbackCaptionIndent = 2;
inline constexpr QRect kNewGame = Twips(4680, 3720, 1215, 495);
inline constexpr QRect kExit = Twips(6360, 3720, 1215, 495);
inline constexpr QRect kCredit = Twips(120, 3720, 480, 480);

// The level frame, its two options and the sound switch with its caption,
// for a language whose level words need `widening` pixels more than the
// design gives each option: both options widen by that much, the frame with
// them, and the switch and its caption move right by the frame's growth.
// Everything else keeps its place; a widening of 0 is the design.
struct LevelRow {
  QRect frame, easy, hard, soundSwitch, soundCaption;
};
constexpr LevelRow WidenedLevels(int widening) {
  const int grown = 2 * widening;
  return {kLevelFrame.adjusted(0, 0, grown, 0), kEasy.adjusted(0, 0, widening, 0),
          kHard.adjusted(widening, 0, grown, 0), kSoundSwitch.translated(grown, 0),
          kSoundCaption.translated(grown, 0)};
}

// ---- The board ----

// The cells stand 720 twips apart across and 960 down from (960, 480). A
// cell takes clicks in a rectangle one pixel wider and taller than that
// pitch; its mark is a little larger still and reaches past the grid line.
constexpr QRect CellTarget(int cell) {
  return Twips(960 + 720 * ((cell - 1) % 3), 480 + 960 * ((cell - 1) / 3), 735, 975);
}
constexpr QRect Mark(int cell) {
  return QRect(CellTarget(cell).topLeft(), QSize(765 / kTwipsPerPixel, 990 / kTwipsPerPixel));
}

// Front first: where targets overlap by their one-pixel rim, the cell earlier
// here takes the click.
inline constexpr std::array<int, 9> kCellsFrontFirst{8, 9, 7, 6, 5, 4, 3, 2, 1};

// The eight one-pixel grid lines, drawn in front of the marks: four across
// at y 480, 1440, 2400, 3360 and four down at x 960, 1680, 2400, 3120. Each
// is given by the pixels it covers.
constexpr QRect GridLine(int index) {
  const int step = 720 * (index % 4);
  return index < 4 ? Twips(960, 480 + 960 * (index % 4), 2160 + kTwipsPerPixel, kTwipsPerPixel)
                   : Twips(960 + step, 480, kTwipsPerPixel, 2880 + kTwipsPerPixel);
}
inline constexpr int kGridLines = 8;

// What the board widget covers: every cell's target and mark and the grid.
inline constexpr QRect kBoard(CellTarget(1).topLeft(), Mark(9).bottomRight());

}  // namespace trixola::layout
