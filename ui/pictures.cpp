#include "pictures.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cmath>

namespace trixola {

namespace {

QString ResourceFor(Picture picture) {
  switch (picture) {
    case Picture::PlayerMark:
      return QStringLiteral(":/trixola/mark_player.svg");
    case Picture::ComputerMark:
      return QStringLiteral(":/trixola/mark_computer.svg");
    case Picture::Credit:
      return QStringLiteral(":/trixola/credit.svg");
    case Picture::SoundSwitch:
      return QStringLiteral(":/trixola/sound.svg");
  }
  return {};
}

// The drawing of an already parsed picture, at size logical pixels.
QPixmap Render(QSvgRenderer& renderer, QSize size, qreal devicePixelRatio) {
  const QSize device(static_cast<int>(std::lround(size.width() * devicePixelRatio)),
                     static_cast<int>(std::lround(size.height() * devicePixelRatio)));
  QPixmap pixmap(device);
  pixmap.fill(Qt::transparent);
  if (renderer.isValid()) {
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
  }
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

}  // namespace

const QPixmap& PictureCache::Get(Picture picture, QSize size, qreal devicePixelRatio) {
  auto key = std::make_pair(picture, devicePixelRatio);
  auto it = pixmaps_.find(key);
  if (it == pixmaps_.end()) {
    QSvgRenderer renderer(ResourceFor(picture));
    it = pixmaps_.emplace(key, Render(renderer, size, devicePixelRatio)).first;
  }
  return it->second;
}

// The icon is parsed once for all its sizes: parsing costs more than drawing.
QIcon WindowIcon() {
  QSvgRenderer renderer(QStringLiteral(":/trixola/icon.svg"));
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64}) icon.addPixmap(Render(renderer, QSize(side, side), 1.0));
  return icon;
}

}  // namespace trixola
