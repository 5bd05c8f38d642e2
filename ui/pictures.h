// The window's pictures, drawn from the SVG assets compiled into the program.
// Each picture is rendered once per device pixel ratio, at its design size, so
// it stays sharp on scaled screens.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <cstdint>
#include <map>
#include <utility>

namespace trixola {

enum class Picture : std::uint8_t { PlayerMark, ComputerMark, Credit, SoundSwitch };

class PictureCache {
 public:
  // The picture at `size` logical pixels.
  const QPixmap& Get(Picture picture, QSize size, qreal devicePixelRatio);

 private:
  std::map<std::pair<Picture, qreal>, QPixmap> pixmaps_;
};

// The window icon, rendered at the usual icon sizes.
QIcon WindowIcon();

}  // namespace trixola
