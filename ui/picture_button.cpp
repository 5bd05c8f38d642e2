#include "picture_button.h"

#include <QPainter>

namespace trixola {

PictureButton::PictureButton(Picture picture, QAccessible::Role role, QRect geometry,
                             QWidget* parent)
    : QAbstractButton(parent), picture_(picture), role_(role) {
  setFocusPolicy(Qt::NoFocus);
  setGeometry(geometry);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, pictures_.Get(picture_, size(), devicePixelRatioF()));
}

}  // namespace trixola
