// Every colour the window paints with.
#pragma once

#include <QColor>
#include <optional>

#include "match.h"

namespace trixola::colours {

inline constexpr QColor kBackground{0, 0, 0};
inline constexpr QColor kGrid{255, 255, 255};
inline constexpr QColor kLevelFrame{255, 192, 128};
inline constexpr QColor kScoreFrame{192, 255, 192};
// The colour boxes of the score, the colours of the two sides' marks.
inline constexpr QColor kPlayerBox{243, 48, 140};
inline constexpr QColor kComputerBox{18, 137, 235};

inline constexpr QColor kOptionText{192, 192, 192};
inline constexpr QColor kRowCaption{255, 255, 192};  // "Computer", "You"
inline constexpr QColor kWinCount{255, 255, 255};
inline constexpr QColor kDrawCount{255, 192, 192};
inline constexpr QColor kClock{0, 255, 0};
inline constexpr QColor kSoundCaption{255, 255, 128};

// The banner's text: orange for the welcome, green for a win, white for a
// draw.
inline constexpr QColor Banner(std::optional<Outcome> outcome) {
  if (!outcome) return QColor(255, 128, 0);
  return *outcome == Outcome::Draw ? QColor(255, 255, 255) : QColor(0, 192, 0);
}

}  // namespace trixola::colours
