#include "auto_size_label.h"

#include <QFontMetrics>

namespace trixola {

namespace {

// More than any design caption overruns its design rectangle.
constexpr int kRoomBeforeFitting = 10;

}  // namespace

AutoSizeLabel::AutoSizeLabel(QRect design, QWidget* parent) : QLabel(parent), design_(design) {
  Fit();
}

void AutoSizeLabel::SetCaption(const QString& caption) {
  setText(caption);
  Fit();
}

void AutoSizeLabel::StartFitting() {
  fitting_ = true;
  Fit();
}

void AutoSizeLabel::Fit() {
  if (text().isEmpty()) {
    setGeometry(design_);
  } else if (!fitting_) {
    setGeometry(design_.adjusted(0, 0, kRoomBeforeFitting, 0));
  } else {
    const QFontMetrics metrics(font());
    setGeometry(
        QRect(design_.topLeft(), QSize(metrics.horizontalAdvance(text()), metrics.height())));
  }
}

}  // namespace trixola
