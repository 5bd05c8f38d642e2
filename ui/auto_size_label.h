// A label that takes the size of its caption, growing to the right and down
// from the corner of its design rectangle; empty, it keeps the design size.
//
// Measuring a caption needs the fonts, and reading the desktop's font
// configuration takes milliseconds, so the labels are fitted only once the
// window has shown its first frame (StartFitting). Until then a label keeps
// its design rectangle with some room to the right: its background is
// transparent and its text left-aligned, so it paints the same.
#pragma once

#include <QLabel>

namespace trixola {

class AutoSizeLabel : public QLabel {
  Q_OBJECT

 public:
  AutoSizeLabel(QRect design, QWidget* parent);

  void SetCaption(const QString& caption);
  // From now on the label fits its caption.
  void StartFitting();

 private:
  void Fit();

  QRect design_;
  bool fitting_ = false;
};

}  // namespace trixola
