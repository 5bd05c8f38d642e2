// A picture that takes clicks, as the sound switch and the credit picture do.
// It never takes the keyboard focus, so it stays out of the Tab order.
#pragma once

#include <QAbstractButton>
#include <QAccessible>

#include "pictures.h"

namespace trixola {

class PictureButton : public QAbstractButton {
  Q_OBJECT

 public:
  // `role` is what a screen reader calls it: a button or a link.
  PictureButton(Picture picture, QAccessible::Role role, QRect geometry, QWidget* parent);

  QAccessible::Role accessibleRole() const { return role_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
  QAccessible::Role role_;
  PictureCache pictures_;
};

}  // namespace trixola
