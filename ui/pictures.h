// The window's pictures, drawn from the SVG assets compiled into the program.
// Each picture is rendered once per device pixel ratio, at its design size, so
// it stays sharp on scaled screens.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <map>
#include <utility>

#include "ui/layout.h"

namespace trixola::ui {

class PictureCache {
 public:
  // The picture of an image control, size pixels in logical units; a null
  // pixmap for pictures without a drawing (cell targets).
  const QPixmap& Get(Picture picture, QSize size, qreal devicePixelRatio);

 private:
  std::map<std::pair<Picture, qreal>, QPixmap> pixmaps_;
};

// The window icon, rendered at the usual icon sizes.
QIcon WindowIcon();

}  // namespace trixola::ui
