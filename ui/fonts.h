// The window's typefaces. The design's "MS Sans Serif" is not found on Linux;
// Liberation Sans has the same metrics as Arial and stands in for it. Sizes
// are pixel sizes (8.25 pt and 18 pt at 96 dpi), so the fixed layout does not
// depend on the screen's dpi setting.
#pragma once

#include <QFont>
#include <QLocale>

#include "language.h"

namespace trixola::fonts {

// Han characters in the typeface for the catalogue's language, where there
// is one (language::HanFamilies).
inline QFont Regular() {
  static const QStringList families =
      QStringList{QStringLiteral("Liberation Sans")} +
      language::HanFamilies(language::CatalogueFor(QLocale::system().uiLanguages()));
  QFont font(families.first());
  font.setFamilies(families);
  font.setPixelSize(11);
  return font;
}

inline QFont Bold() {
  QFont font = Regular();
  font.setBold(true);
  return font;
}

inline QFont Banner() {
  QFont font = Regular();
  font.setPixelSize(24);
  return font;
}

}  // namespace trixola::fonts
