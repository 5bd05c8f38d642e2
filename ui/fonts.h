// The window's typefaces. The design's "MS Sans Serif" is not found on Linux;
// Liberation Sans has the same metrics as Arial and stands in for it. Sizes
// are pixel sizes (8.25 pt and 18 pt at 96 dpi), so the fixed layout does not
// depend on the screen's dpi setting.
#pragma once

#include <QFont>

#include "ui/layout.h"

namespace trixola::ui {

inline constexpr const char* kFontFamily = "Liberation Sans";
inline constexpr int kDefaultFontPixels = 11;  // "MS Sans Serif" 8.25 pt
inline constexpr int kBannerFontPixels = 24;   // "MS Sans Serif" 18 pt

inline QFont FontFor(TextStyle style) {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPixelSize(style == TextStyle::Banner ? kBannerFontPixels : kDefaultFontPixels);
  font.setBold(style == TextStyle::Bold);
  return font;
}

}  // namespace trixola::ui
